// The earlier revision's TNaklForm: a window that is never shown, holding
// one hidden control per call option, the alias connection `mdb` and its
// queries, the three dataset links and the two reports (the first page
// frxReport1 and the specification frxReport2).
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

#include "data/queries.h"
#include "db/alias_connection.h"
#include "db/query.h"
#include "engine/report.h"
#include "form/query_dataset.h"
#include "form/settings.h"

namespace korvel::legacy {

class TNaklForm;

// The one earlier form that exists, or null; cleared by its close handler.
extern TNaklForm* EarlierFormInstance;

class TNaklForm : public QWidget {
 public:
  static constexpr int designWidth = 306;
  static constexpr int designHeight = 512;

  // owner: the host's main form (may be null). Loads both templates; it
  // does not connect: the export connects once, with the host's login.
  explicit TNaklForm(QWidget* owner);

  // The hidden controls, one per option, named as the options' controls.
  QCheckBox* forReturnTypeTrPredpr = checkBox("forReturnTypeTrPredpr");
  QLineEdit* forOtpRaz = editBox("forOtpRaz");
  QCheckBox* TrCheckBox = checkBox("TrCheckBox");
  QCheckBox* forSumNDS_1 = checkBox("forSumNDS_1");
  QCheckBox* forVsegoSNDS_1 = checkBox("forVsegoSNDS_1");
  QLineEdit* forVesTrEdit = editBox("forVesTrEdit");
  QLineEdit* forTTNEdit = editBox("forTTNEdit");
  QLineEdit* forNumDoc = editBox("forNumDoc");
  QLineEdit* forSeria = editBox("forSeria");
  QLineEdit* forPogr = editBox("forPogr");
  QLineEdit* forRazg = editBox("forRazg");
  QLineEdit* forVidPer = editBox("forVidPer");
  QLineEdit* forPrim = editBox("forPrim");
  QCheckBox* forStoimost = checkBox("forStoimost");
  QCheckBox* forStoimost2_1 = checkBox("forStoimost2_1");
  QCheckBox* forStoimost2_2 = checkBox("forStoimost2_2");
  QCheckBox* forCheckNastrGrTov = checkBox("forCheckNastrGrTov");
  QCheckBox* forPr_CenPriobr = checkBox("forPr_CenPriobr");
  QCheckBox* forPr_CenTr = checkBox("forPr_CenTr");
  QCheckBox* forPr_ProcTr = checkBox("forPr_ProcTr");
  QCheckBox* forPr_CenWNal = checkBox("forPr_CenWNal");
  QLineEdit* forPRAll = editBox("forPRAll");
  QLineEdit* forIdDoc = editBox("forIdDoc");
  QCheckBox* forFace3 = checkBox("forFace3");
  QLineEdit* forDateDov = editBox("forDateDov");
  QLineEdit* forVlTr = editBox("forVlTr");
  QLineEdit* forSposPogr = editBox("forSposPogr");
  QLineEdit* forSposRazgr = editBox("forSposRazgr");
  QLineEdit* forVrPrib = editBox("forVrPrib");
  QLineEdit* forVrUb = editBox("forVrUb");
  QLineEdit* forVrProst = editBox("forVrProst");
  QLineEdit* forMOLGruzPoluch = editBox("forMOLGruzPoluch");
  QLineEdit* forNomPric = editBox("forNomPric");

  // The database-engine connection and its queries.
  db::AliasConnection mdb;
  db::Query PrCapQuery = data::makeQuery(data::legacy::prCapQuery, mdb);
  db::Query PrStrQuery = data::makeQuery(data::legacy::prStrQuery, mdb);
  db::Query SumBnsQuery = data::makeQuery(data::sumBnsQuery, mdb);
  db::Query NameGrPrQuery = data::makeQuery(data::nameGrPrQuery, mdb);
  db::Query FioDovQuery = data::makeQuery(data::fioDovQuery, mdb);
  // The report dataset links and the two reports.
  form::QueryDataset frxDatasetPrCap{PrCapQuery};
  form::QueryDataset frxDatasetPrStr{PrStrQuery};
  form::QueryDataset frxDBDataset1{SumBnsQuery};
  engine::Report frxReport1;
  engine::Report frxReport2;

  // The options as the hidden controls hold them.
  form::Settings options() const;
  // Prepares both reports and previews the first page, then the
  // specification (earlier_preparation.cpp).
  void Run();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QCheckBox* checkBox(const char* name);
  QLineEdit* editBox(const char* name);
  void FormClose();
};

// Shows a prepared report in the modal preview of the application object.
void preview(engine::Report& report);

}  // namespace korvel::legacy
