// The exported entry point: one waybill form at a time, the host's
// application object adopted once, every error shown and none let through
// to the host.
#include <QApplication>

#include "base/exception.h"
#include "base/number_text.h"
#include "form/nakl_form.h"
#include "korvel/korvel.h"
#include "library/host_entry.h"
#include "library/settings_arguments.h"
#include "ui/current_application.h"

namespace {

using korvel::library::copyText;

void createAndShowForm(const korvel::form::Settings& settings) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    throw korvel::Exception("EInvalidOperation", "The host program has no Qt Widgets application");
  if (korvel::form::NaklFormInstance) return;
  auto* form = new korvel::form::TNaklForm(korvel::ui::currentApplication().mainForm(), settings);
  korvel::form::NaklFormInstance = form;
  form->show();
}

}  // namespace

extern "C" KORVEL_EXPORT void ShowBegRepForm(
    korvel::Application* application, unsigned char ReturnTypeTrPredpr, const char* OtpRaz, unsigned char Tr,
    unsigned char SumNDS_1, unsigned char VsegoSNDS_1, const char* VesTr, const char* TTN, const char* NumDoc,
    const char* Seria, const char* Pogr, const char* Razg, const char* VidPer, const char* Prim,
    unsigned char Stoimost, unsigned char Stoimost2_1, unsigned char Stoimost2_2,
    unsigned char CheckNastrGrTov, unsigned char Pr_CenPriobr, unsigned char Pr_CenTr,
    unsigned char Pr_ProcTr, unsigned char Pr_CenWNal, const char* PRAll, std::int32_t IdDoc,
    const char* AliasName, const char* DbParam1, const char* DbParam2, const char* Copies,
    unsigned char Face3, const char* DateDov, const char* VlTr, const char* SposPogr, const char* SposRazgr,
    const char* VrPrib, const char* VrUb, const char* VrProst, const char* MOLGruzPoluch, const char* NomPric,
    const char* Agreement) {
  if (korvel::form::NaklFormInstance) return;
  korvel::library::adoptApplication(application);
  korvel::library::reportingErrors([&] {
    korvel::form::Settings settings;
    settings.Tr = Tr != 0;
    settings.SumNDS_1 = SumNDS_1 != 0;
    settings.VsegoSNDS_1 = VsegoSNDS_1 != 0;
    settings.Stoimost = Stoimost != 0;
    settings.Stoimost2_1 = Stoimost2_1 != 0;
    settings.Stoimost2_2 = Stoimost2_2 != 0;
    settings.CheckNastrGrTov = CheckNastrGrTov != 0;
    settings.Pr_CenPriobr = Pr_CenPriobr != 0;
    settings.Pr_CenTr = Pr_CenTr != 0;
    settings.Pr_ProcTr = Pr_ProcTr != 0;
    settings.Pr_CenWNal = Pr_CenWNal != 0;
    settings.ReturnTypeTrPredpr = ReturnTypeTrPredpr != 0;
    settings.Face3 = Face3 != 0;
    settings.VesTr = copyText(VesTr);
    settings.TTN = copyText(TTN);
    settings.NumDoc = copyText(NumDoc);
    settings.Seria = copyText(Seria);
    settings.Pogr = copyText(Pogr);
    settings.Razg = copyText(Razg);
    settings.VidPer = copyText(VidPer);
    settings.Prim = copyText(Prim);
    settings.PRAll = copyText(PRAll);
    settings.IdDoc = IdDoc;
    settings.OtpRaz = copyText(OtpRaz);
    settings.DateDov = copyText(DateDov);
    settings.VlTr = copyText(VlTr);
    settings.SposPogr = copyText(SposPogr);
    settings.SposRazgr = copyText(SposRazgr);
    settings.VrPrib = copyText(VrPrib);
    settings.VrUb = copyText(VrUb);
    settings.VrProst = copyText(VrProst);
    settings.MOLGruzPoluch = copyText(MOLGruzPoluch);
    settings.NomPric = copyText(NomPric);
    settings.Copies = korvel::StrToInt(copyText(Copies));
    settings.Agreement = copyText(Agreement);
    settings.AliasName = copyText(AliasName);
    settings.DbParam1 = korvel::library::firstCharacters(copyText(DbParam1), korvel::form::dbParamLength);
    settings.DbParam2 = korvel::library::firstCharacters(copyText(DbParam2), korvel::form::dbParamLength);
    createAndShowForm(settings);
  });
}
