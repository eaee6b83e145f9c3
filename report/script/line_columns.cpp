// Quantity, mass, name and retail columns of the line band.
#include "report/script/line_columns.h"

#include "report/script/language.h"
#include "report/script/waybill_functions.h"

namespace korvel::report::script {

namespace {

bool soldByWeight(const std::string& EdIz) { return EdIz == "кг" || EdIz == "т" || EdIz == "ц"; }

bool wholeNumber(double x) { return x - Int(x) == 0; }

}  // namespace

std::string nameText(const LineFields& line) {
  std::string text = line.NameVidTov + " ";
  if (line.Fasov != 0 && !soldByWeight(line.EdIz)) text += FloatToStr(line.Fasov);
  if (line.SkidOv != 0) text += "\r Скидка " + FloatToStr(line.SkidOv) + "%";
  return text;
}

std::string quantityText(const LineFields& line) {
  return line.KolOv != 0 ? FloatToStr(line.KolF - line.KolOv) : FloatToStr(line.KolF);
}

std::optional<std::string> secondQuantityText(const LineFields& line) {
  std::optional<std::string> text;
  if (line.KolKzp != 0) text = FloatToStr(line.KolKzp);
  if (line.KolOv != 0) text = FloatToStr(line.KolOv);
  return text;
}

std::string physicalWeightText(const LineFields& line) {
  if (line.SkidOv == 0 && line.KolOv == 0) return "";
  return "физ. вес\r" + FloatToStr(line.KolZ);
}

std::string massText(const LineFields& line) {
  std::string text;
  if (line.KolZ == 0) {
    if (line.Ves != 0) text = FloatToStr(line.Ves * line.KolF);
  } else {
    text = FloatToStr(line.Ves * line.KolZ);
  }
  return text == "0" ? "" : text;
}

bool showsRetail(const RetailFlags& flags) { return flags.Pr_ONds.isOne() && flags.Pr_CenRoz.isOne(); }

std::string retailCostText(const LineFields& line, const RetailFlags& flags) {
  if (!showsRetail(flags)) return "";
  return FloatToStr(Rounding(line.CenRoz * line.KolF));
}

std::string retailPriceText(const LineFields& line, const RetailFlags& flags) {
  if (!showsRetail(flags)) return "";
  return kopeiki(line.CenRoz);
}

double tradeMargin(const LineFields& line) {
  if (line.Usl == 0 && line.NalProd == 0) return 0;
  if (line.CenPriobr != 0) return line.CenRoz - line.CenPriobr;
  double P = line.CenO * (1 + line.NalTr / 100) * (1 + line.NacRozn / 100) * (1 + line.NacObpit / 100);
  if (wholeNumber(line.NDS)) P = P * (1 + line.NDS / 100);
  return line.CenRoz - P;
}

std::string unitMarginText(const LineFields& line, const Flag& Pr_CenRoz) {
  if (Pr_CenRoz.isZero()) return "";
  return FloatToStr(static_cast<double>(Round(tradeMargin(line))));
}

std::string lineMarginText(const LineFields& line, const Flag& Pr_CenRoz) {
  if (Pr_CenRoz.isZero()) return "";
  return FloatToStr(static_cast<double>(Round(tradeMargin(line) * line.KolF)));
}

}  // namespace korvel::report::script
