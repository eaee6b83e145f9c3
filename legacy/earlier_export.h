// The earlier revision's entry point: ShowBegRepForm with the first 38
// parameters of the current list (no basis of release), same order, types
// and argument forms. libkorvel-legacy exports it under the same name.
#pragma once

#include <cstdint>

#include "korvel/application.h"
#include "korvel/export.h"

extern "C" {

// The export's type, for hosts of the earlier interface that look it up.
using ShowBegRepFormEarlierFunction =
    void (*)(korvel::Application* application, unsigned char ReturnTypeTrPredpr, const char* OtpRaz,
             unsigned char Tr, unsigned char SumNDS_1, unsigned char VsegoSNDS_1, const char* VesTr,
             const char* TTN, const char* NumDoc, const char* Seria, const char* Pogr, const char* Razg,
             const char* VidPer, const char* Prim, unsigned char Stoimost, unsigned char Stoimost2_1,
             unsigned char Stoimost2_2, unsigned char CheckNastrGrTov, unsigned char Pr_CenPriobr,
             unsigned char Pr_CenTr, unsigned char Pr_ProcTr, unsigned char Pr_CenWNal, const char* PRAll,
             std::int32_t IdDoc, const char* AliasName, const char* DbParam1, const char* DbParam2,
             const char* Copies, unsigned char Face3, const char* DateDov, const char* VlTr,
             const char* SposPogr, const char* SposRazgr, const char* VrPrib, const char* VrUb,
             const char* VrProst, const char* MOLGruzPoluch, const char* NomPric);
}
