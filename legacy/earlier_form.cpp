// The earlier TNaklForm: its components, the options read back from the
// hidden controls, and the close handler.
#include "legacy/earlier_form.h"

#include <QCloseEvent>

#include "base/number_text.h"
#include "engine/storage.h"
#include "legacy/earlier_templates.h"
#include "legacy/script/older_script.h"
#include "ui/current_application.h"
#include "ui/report_preview.h"

namespace korvel::legacy {

TNaklForm* EarlierFormInstance = nullptr;

namespace {

std::string textOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

TNaklForm::TNaklForm(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(QStringLiteral("NaklForm"));
  resize(designWidth, designHeight);
  mdb.setDatabaseName("mdb");
  frxReport1 = engine::loadReport(firstPageTemplateXml());
  frxReport1.setScript(script::silentScript());
  frxReport2 = engine::loadReport(specificationTemplateXml());
  frxReport2.setScript(script::olderScript());
  for (engine::Report* report : {&frxReport1, &frxReport2}) {
    report->bindDataset("frxDatasetPrCap", &frxDatasetPrCap);
    report->bindDataset("frxDatasetPrStr", &frxDatasetPrStr);
    report->bindDataset("frxDBDataset1", &frxDBDataset1);
  }
}

QCheckBox* TNaklForm::checkBox(const char* name) {
  auto* box = new QCheckBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->hide();
  return box;
}

QLineEdit* TNaklForm::editBox(const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->hide();
  return edit;
}

form::Settings TNaklForm::options() const {
  form::Settings s;
  s.ReturnTypeTrPredpr = forReturnTypeTrPredpr->isChecked();
  s.OtpRaz = textOf(forOtpRaz);
  s.Tr = TrCheckBox->isChecked();
  s.SumNDS_1 = forSumNDS_1->isChecked();
  s.VsegoSNDS_1 = forVsegoSNDS_1->isChecked();
  s.VesTr = textOf(forVesTrEdit);
  s.TTN = textOf(forTTNEdit);
  s.NumDoc = textOf(forNumDoc);
  s.Seria = textOf(forSeria);
  s.Pogr = textOf(forPogr);
  s.Razg = textOf(forRazg);
  s.VidPer = textOf(forVidPer);
  s.Prim = textOf(forPrim);
  s.Stoimost = forStoimost->isChecked();
  s.Stoimost2_1 = forStoimost2_1->isChecked();
  s.Stoimost2_2 = forStoimost2_2->isChecked();
  s.CheckNastrGrTov = forCheckNastrGrTov->isChecked();
  s.Pr_CenPriobr = forPr_CenPriobr->isChecked();
  s.Pr_CenTr = forPr_CenTr->isChecked();
  s.Pr_ProcTr = forPr_ProcTr->isChecked();
  s.Pr_CenWNal = forPr_CenWNal->isChecked();
  s.PRAll = textOf(forPRAll);
  s.IdDoc = StrToInt(textOf(forIdDoc));
  s.Face3 = forFace3->isChecked();
  s.DateDov = textOf(forDateDov);
  s.VlTr = textOf(forVlTr);
  s.SposPogr = textOf(forSposPogr);
  s.SposRazgr = textOf(forSposRazgr);
  s.VrPrib = textOf(forVrPrib);
  s.VrUb = textOf(forVrUb);
  s.VrProst = textOf(forVrProst);
  s.MOLGruzPoluch = textOf(forMOLGruzPoluch);
  s.NomPric = textOf(forNomPric);
  return s;
}

void TNaklForm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

// Closing frees the form and lets the next call create a new one.
void TNaklForm::FormClose() {
  FioDovQuery.close();
  setAttribute(Qt::WA_DeleteOnClose);
  if (EarlierFormInstance == this) EarlierFormInstance = nullptr;
}

void preview(engine::Report& report) {
  report.showReport([](engine::Report& shown, const engine::PreparedReport& prepared) {
    ui::ReportPreview document(prepared, shown.options.printer);
    ui::currentApplication().presentPreview(document);
  });
}

}  // namespace korvel::legacy
