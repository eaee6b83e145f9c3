// TNaklForm, the library's one form: an empty top-level window that holds
// the two database connections, the document queries, their dataset links
// and the in-memory waybill template, and whose creation connects, prepares
// the waybill and previews it.
#pragma once

#include <QWidget>

#include "data/queries.h"
#include "db/alias_connection.h"
#include "db/connection_string_connection.h"
#include "db/query.h"
#include "engine/report.h"
#include "form/query_dataset.h"
#include "form/settings.h"

namespace korvel::form {

class TNaklForm;

// The one form that exists, or null. Set by ShowBegRepForm once the form's
// constructor returns; cleared when the form is destroyed.
extern TNaklForm* NaklFormInstance;

class TNaklForm : public QWidget {
 public:
  static constexpr int designWidth = 532;
  static constexpr int designHeight = 516;

  // owner: the host's main form (may be null). Runs FormCreate; any error in
  // it goes to the application's standard error report and the form is
  // still returned, invisible.
  TNaklForm(QWidget* owner, const korvel::form::Settings& settings);
  ~TNaklForm() override;

  korvel::form::Settings Settings;

  // Database-engine connection and its queries.
  db::AliasConnection mdb;
  db::Query PrStrQuery = data::makeQuery(data::prStrQuery, mdb);
  db::Query SumBnsQuery = data::makeQuery(data::sumBnsQuery, mdb);
  db::Query NameGrPrQuery = data::makeQuery(data::nameGrPrQuery, mdb);
  db::Query FioDovQuery = data::makeQuery(data::fioDovQuery, mdb);
  // OLE DB connection and its queries.
  db::ConnectionStringConnection MDBConnection;
  db::Query PrCapQuery = data::makeQuery(data::prCapQuery, MDBConnection);
  db::Query ADOPrStrQuery = data::makeQuery(data::adoPrStrQuery, MDBConnection);
  // The report's dataset links and the template.
  QueryDataset frxDatasetADOPrCap{PrCapQuery};
  QueryDataset frxDatasetADOPrSt{ADOPrStrQuery};
  engine::Report frxReport2;

  // Opens the document's data, fills and prepares the report and previews it.
  void Run();
  // Has the report prepared again and presented by the application object.
  void showReport();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  void FormDestroy();
};

}  // namespace korvel::form
