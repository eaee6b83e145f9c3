// The specification columns written by Run, among them the goods
// description of each line (Memo300): one expression over the line's
// fields whose head depends on whether only the wholesale columns print.
#include "form/run_steps.h"
#include "form/run_values.h"

namespace korvel::form::run {

namespace {

// Art, then the portion price or the sort; the sort is left out for a set
// priced with its container unless the goods group is 15.
constexpr std::string_view wholesaleHead =
    "[<frxDatasetPrStr.\"Art\">+"
    "IIF(<frxDatasetPrStr.\"CenPor\"><>0,'ЦЕНА ЗА ПОРЦИЮ '+FloatToStr(<frxDatasetPrStr.\"CenPor\">)+' КОЛ-ВО "
    "ПОРЦИЙ '+FloatToStr(<frxDatasetPrStr.\"KolPor\">),"
    "IIF((<frxDatasetPrStr.\"CenSt\"><>0) and (<frxDatasetPrStr.\"KodGr\"><>15),'',"
    "IIF(<frxDatasetPrStr.\"Sort\">='','',' СОРТ ')+<frxDatasetPrStr.\"Sort\">))"
    "+'  '+";

// Art and the sort, then the portion price, the price with glass
// containers or the price of a set.
constexpr std::string_view otherHead =
    "[<frxDatasetPrStr.\"Art\">+"
    "IIF(<frxDatasetPrStr.\"Sort\">='','',' СОРТ '+<frxDatasetPrStr.\"Sort\">)+'  '+"
    "IIF(<frxDatasetPrStr.\"CenPor\"><>0,'ЦЕНА ЗА ПОРЦИЮ '+FloatToStr(<frxDatasetPrStr.\"CenPor\">)+' КОЛ-ВО "
    "ПОРЦИЙ '+FloatToStr(<frxDatasetPrStr.\"KolPor\">),"
    "IIF((<frxDatasetPrStr.\"CenSt\"><>0) and (<frxDatasetPrStr.\"PNTTar1\"><>0),' ЦЕНА СО СТЕКЛОТАРОЙ "
    "'+FloatToStr(<frxDatasetPrStr.\"CenSt\">),"
    "IIF((<frxDatasetPrStr.\"CenSt\"><>0) and (<frxDatasetPrStr.\"PNTTar3\"><>0),' ЦЕНА НАБОРА "
    "'+FloatToStr(<frxDatasetPrStr.\"CenSt\">)+' *** ','')))"
    "+'  '+";

// Model, size and height, each with its label when given.
constexpr std::string_view middle =
    "IIF(<frxDatasetPrStr.\"Model\">='','',' Модель '+<frxDatasetPrStr.\"Model\">)+'  '+"
    "IIF(<frxDatasetPrStr.\"Sizes\">='','',' Размер '+<frxDatasetPrStr.\"Sizes\">)+'  '+"
    "IIF(<frxDatasetPrStr.\"Hight\">='','',' Рост '+<frxDatasetPrStr.\"Hight\">)+'  '+";

// Certificates and the price justification.
constexpr std::string_view end =
    "IIF(<frxDatasetPrStr.\"Sertif\">='','',<frxDatasetPrStr.\"Sertif\">)+'  '+"
    "IIF(<frxDatasetPrStr.\"Sertif1\">='','',<frxDatasetPrStr.\"Sertif1\">)+' '+"
    "IIF(<frxDatasetPrStr.\"Sertif2\">='','',<frxDatasetPrStr.\"Sertif2\">)+' '+"
    "IIF(<frxDatasetPrStr.\"Protkl\">='','',' Обосн. цены '+<frxDatasetPrStr.\"Protkl\">)]";

std::string goodsDescription(bool wholesale) {
  return std::string(wholesale ? wholesaleHead : otherHead) + std::string(middle) + std::string(end);
}

}  // namespace

void writeSpecificationColumns(RunState& state) {
  state.text("Memo88").setText("[frxDatasetPrStr.\"EdIz\"]");
  state.text("Memo32").setText("[frxDatasetPrStr.\"EdIzDop\"]");
  state.text("Memo96").setText("[IIF(<frxDatasetPrStr.\"KolM\"><>0,<frxDatasetPrStr.\"KolM\">,'')]");
  state.text("Memo300").setText(goodsDescription(wholesaleOnly(state.settings())));
}

}  // namespace korvel::form::run
