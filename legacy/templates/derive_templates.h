// How the earlier revision's two templates come from the current waybill
// template (report/frxReport2.xml). The results are committed as
// legacy/frxReport1.xml and legacy/frxReport2.xml; the tool
// korvel-derive-legacy-templates writes them again, and a test checks that
// the committed files are what the current template gives.
//
// frxReport1, the first page:
//   1. the report is named frxReport1; its datasets are the earlier form's
//      links frxDatasetPrCap, frxDatasetPrStr and frxDBDataset1;
//   2. only the first page (CapPage) is kept;
//   3. every object, band and variable name loses its prefix "cp_" (a name
//      already taken on the page without the prefix keeps it), and so do
//      the variables named inside brackets ("[cp_X]", "<cp_X>");
//      the category " cpVariables" becomes " Variables", the other
//      categories (the script's) are dropped, and so is `Agreement`;
//   4. the basis of release (Memo39) prints the header's `Dogovor`;
//   5. five objects are added: the shipper's and the consignee's stamp
//      captions under the signatures, the number of trips with an empty
//      box, and the vehicle owner caption with its box Memo28 (the
//      header's `OwnAvto`), beside the loading and unloading details.
// frxReport2, the specification:
//   1. the datasets as above; only the specification page (SpecPage);
//   2. only the script's variables (the category " cpVariables" dropped);
//   3. the sheet numbers are its own: "[Page]" and "[<Page#>]";
//   4. the caption of the places column reads "Кол-во груз-х мест";
//   5. the line band is 22 mm high and the producer box (NamePredpr) holds
//      one line without growing, so that 11 ordinary line blocks and the
//      summary fill one sheet (header 19 mm and footer 10.5 mm of 277 mm);
//   6. the VAT rate and amount cells (Memo92, Memo93) are empty: the
//      preparation writes their expressions; the amount prints with the
//      system's decimal separator, as the script reads it back.
#pragma once

#include <string>
#include <string_view>

namespace korvel::legacy {

std::string deriveFirstPageTemplate(std::string_view currentTemplateXml);
std::string deriveSpecificationTemplate(std::string_view currentTemplateXml);

}  // namespace korvel::legacy
