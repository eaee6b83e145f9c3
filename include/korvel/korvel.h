// The library's one entry point. A host loads libkorvel and calls
// ShowBegRepForm to preview and print the waybill of one warehouse
// document. Booleans are one byte (0 false, anything else true); texts are
// UTF-8, a null pointer is the empty text; the library copies every text
// and never keeps or frees the host's storage. Nothing is returned:
// failures are shown to the user through the application object.
#pragma once

#include <cstdint>

#include "korvel/application.h"
#include "korvel/export.h"

extern "C" {

KORVEL_EXPORT void ShowBegRepForm(
    korvel::Application* application,  // 1: becomes the library's application object
    unsigned char ReturnTypeTrPredpr,  // 2
    const char* OtpRaz,                // 3: who authorised the release
    unsigned char Tr,                  // 4: consignee pays the carriage
    unsigned char SumNDS_1,            // 5
    unsigned char VsegoSNDS_1,         // 6
    const char* VesTr,                 // 7: extra mass, kg
    const char* TTN,                   // 8: waybill number
    const char* NumDoc,                // 9: document number
    const char* Seria,                 // 10
    const char* Pogr,                  // 11: loading point
    const char* Razg,                  // 12: unloading point
    const char* VidPer,                // 13: excise-stamp check device
    const char* Prim,                  // 14: note
    unsigned char Stoimost,            // 15
    unsigned char Stoimost2_1,         // 16
    unsigned char Stoimost2_2,         // 17
    unsigned char CheckNastrGrTov,     // 18
    unsigned char Pr_CenPriobr,        // 19
    unsigned char Pr_CenTr,            // 20
    unsigned char Pr_ProcTr,           // 21
    unsigned char Pr_CenWNal,          // 22
    const char* PRAll,                 // 23: print mode: " ", "*" or other
    std::int32_t IdDoc,                // 24: document to print
    const char* AliasName,             // 25: database alias (ODBC DSN)
    const char* DbParam1,              // 26: user-name line, first 25 characters used
    const char* DbParam2,              // 27: password line, first 25 characters used
    const char* Copies,                // 28: whole number of copies
    unsigned char Face3,               // 29: a third party pays the carriage
    const char* DateDov,               // 30: date of the power of attorney
    const char* VlTr,                  // 31: kept, not used
    const char* SposPogr,              // 32: loading method
    const char* SposRazgr,             // 33: unloading method
    const char* VrPrib,                // 34: arrival time
    const char* VrUb,                  // 35: departure time
    const char* VrProst,               // 36: idle time
    const char* MOLGruzPoluch,         // 37: who accepted the goods
    const char* NomPric,               // 38: trailer
    const char* Agreement);            // 39: basis of release

// The export's type, for hosts that look it up at run time.
using ShowBegRepFormFunction = decltype(&ShowBegRepForm);
}
