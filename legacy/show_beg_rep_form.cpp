// The earlier revision's exported entry point. One form at a time, the
// host's application object adopted once, as the current export does; the
// options go into the form's hidden controls. Errors are shown to the user
// as the current export shows them. A failure while the form is created and
// connected frees it, so the next call tries again; once the form is
// connected it stays (never shown) until it is closed or the library is
// unloaded, and further calls return at once.
#include <QApplication>
#include <memory>
#include <type_traits>

#include "base/exception.h"
#include "base/number_text.h"
#include "legacy/earlier_export.h"
#include "legacy/earlier_form.h"
#include "library/host_entry.h"
#include "library/settings_arguments.h"
#include "ui/current_application.h"

namespace {

using korvel::library::copyText;

void setText(QLineEdit* edit, const char* text) { edit->setText(QString::fromStdString(copyText(text))); }

// Once, with the host's alias and both login lines as given.
void connect(korvel::db::AliasConnection& mdb, const char* AliasName, const char* DbParam1,
             const char* DbParam2) {
  mdb.disconnect();
  mdb.setAliasName(copyText(AliasName));
  auto& params = mdb.params();
  if (params.size() < 2) params.resize(2);
  params[0] = copyText(DbParam1);
  params[1] = copyText(DbParam2);
  mdb.setLoginPrompt(false);
  mdb.connect();
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
    const char* VrPrib, const char* VrUb, const char* VrProst, const char* MOLGruzPoluch,
    const char* NomPric) {
  using korvel::legacy::EarlierFormInstance;
  if (EarlierFormInstance) return;
  korvel::library::adoptApplication(application);
  korvel::library::reportingErrors([&] {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
      throw korvel::Exception("EInvalidOperation", "The host program has no Qt Widgets application");
    auto form = std::make_unique<korvel::legacy::TNaklForm>(korvel::ui::currentApplication().mainForm());
    form->forReturnTypeTrPredpr->setChecked(ReturnTypeTrPredpr != 0);
    setText(form->forOtpRaz, OtpRaz);
    form->TrCheckBox->setChecked(Tr != 0);
    form->forSumNDS_1->setChecked(SumNDS_1 != 0);
    form->forVsegoSNDS_1->setChecked(VsegoSNDS_1 != 0);
    setText(form->forVesTrEdit, VesTr);
    setText(form->forTTNEdit, TTN);
    setText(form->forNumDoc, NumDoc);
    setText(form->forSeria, Seria);
    setText(form->forPogr, Pogr);
    setText(form->forRazg, Razg);
    setText(form->forVidPer, VidPer);
    setText(form->forPrim, Prim);
    form->forStoimost->setChecked(Stoimost != 0);
    form->forStoimost2_1->setChecked(Stoimost2_1 != 0);
    form->forStoimost2_2->setChecked(Stoimost2_2 != 0);
    form->forCheckNastrGrTov->setChecked(CheckNastrGrTov != 0);
    form->forPr_CenPriobr->setChecked(Pr_CenPriobr != 0);
    form->forPr_CenTr->setChecked(Pr_CenTr != 0);
    form->forPr_ProcTr->setChecked(Pr_ProcTr != 0);
    form->forPr_CenWNal->setChecked(Pr_CenWNal != 0);
    setText(form->forPRAll, PRAll);
    form->forIdDoc->setText(QString::number(IdDoc));
    form->forFace3->setChecked(Face3 != 0);
    setText(form->forDateDov, DateDov);
    setText(form->forVlTr, VlTr);
    setText(form->forSposPogr, SposPogr);
    setText(form->forSposRazgr, SposRazgr);
    setText(form->forVrPrib, VrPrib);
    setText(form->forVrUb, VrUb);
    setText(form->forVrProst, VrProst);
    setText(form->forMOLGruzPoluch, MOLGruzPoluch);
    setText(form->forNomPric, NomPric);
    form->frxReport1.setCopies(korvel::StrToInt(copyText(Copies)));
    form->frxReport2.setCopies(korvel::StrToInt(copyText(Copies)));
    connect(form->mdb, AliasName, DbParam1, DbParam2);

    EarlierFormInstance = form.release();
    EarlierFormInstance->Run();
  });
}

// The export's type matches the declaration hosts use.
static_assert(std::is_same_v<decltype(&ShowBegRepForm), ShowBegRepFormEarlierFunction>);
