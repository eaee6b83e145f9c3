// TNaklForm: construction from its stored state, FormCreate (connections
// and copies, then Run), close and destroy handlers.
#include "form/nakl_form.h"

#include <QCloseEvent>
#include <exception>

#include "base/exception.h"
#include "engine/storage.h"
#include "form/text_file.h"
#include "report/script/waybill_script.h"
#include "report/waybill_template.h"
#include "ui/current_application.h"
#include "ui/designer/designer_window.h"
#include "ui/report_preview.h"

namespace korvel::form {

TNaklForm* NaklFormInstance = nullptr;

namespace {

// The folder of the host program's executable, with its trailing separator.
std::string programFolder() {
  const std::string path = ui::currentApplication().executablePath();
  const auto separator = path.find_last_of("/\\");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

void reportError(const std::string& className, const std::string& message) {
  ui::currentApplication().showException(className, message);
}

}  // namespace

TNaklForm::TNaklForm(QWidget* owner, const korvel::form::Settings& settings)
    : QWidget(owner, Qt::Window), Settings(settings) {
  setWindowTitle(QStringLiteral("NaklForm"));
  resize(designWidth, designHeight);
  mdb.setDatabaseName("mdb");
  mdb.setLoginPrompt(false);
  MDBConnection.setProvider("SQLOLEDB.1");
  MDBConnection.setLoginPrompt(false);
  frxReport2 = engine::loadReport(report::waybillTemplateXml());
  frxReport2.setScript(report::script::waybillScript());
  frxReport2.bindDataset("frxDatasetPrCap", &frxDatasetADOPrCap);
  frxReport2.bindDataset("frxDatasetPrStr", &frxDatasetADOPrSt);

  // The creation handler runs only now, with Settings in place. Its errors
  // end it at the failing step; the form is created all the same.
  try {
    FormCreate();
  } catch (const Exception& error) {
    reportError(error.className(), error.message());
  } catch (const std::bad_alloc&) {
    reportError("EOutOfMemory", "Out of memory");
  } catch (const std::exception& error) {
    reportError("Exception", error.what());
  } catch (...) {
    reportError("Exception", "Unknown error");
  }
}

TNaklForm::~TNaklForm() { FormDestroy(); }

void TNaklForm::FormCreate() {
  MDBConnection.close();
  const std::string folder = programFolder();
  const std::string connectionString = readFirstLine(folder + "MDBConnect.ini");
  MDBConnection.setBaseFolder(folder);
  MDBConnection.setConnectionString(connectionString);
  MDBConnection.open();

  mdb.disconnect();
  mdb.setAliasName(Settings.AliasName);
  auto& params = mdb.params();
  if (params.size() < 2) params.resize(2);
  params[0] = Settings.DbParam1;
  params[1] = Settings.DbParam2;
  mdb.connect();

  frxReport2.setCopies(Settings.Copies);
  setWindowState(windowState() | Qt::WindowMaximized);
  Run();
}

void TNaklForm::showReport() {
  frxReport2.showReport([](engine::Report& report, const engine::PreparedReport& prepared) {
    ui::ReportPreview preview(prepared, report.options.printer);
    preview.setEditor(report, designer::openDesigner);
    ui::currentApplication().presentPreview(preview);
  });
}

void TNaklForm::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

// Closing the window frees the form.
void TNaklForm::FormClose() { setAttribute(Qt::WA_DeleteOnClose); }

void TNaklForm::FormDestroy() {
  if (NaklFormInstance == this) NaklFormInstance = nullptr;
}

}  // namespace korvel::form
