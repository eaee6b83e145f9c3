// The price remark: base price, then every rate that took part, then the
// markup percents worked out from the release price.
#include "report/script/remark.h"

#include "report/script/language.h"
#include "report/script/waybill_functions.h"

namespace korvel::report::script {

namespace {

void appendBasePrice(std::string& text, const LineFields& line, const RemarkFlags& flags) {
  double tr = 1 + line.NalTr / 100;
  if (flags.Pr_SchCenPriobr.isZero()) {
    if (flags.Pr_ProcTr.isOne()) {
      text += kopeiki(line.CenO) + "-отп.цена пр.";
      if (line.NalTr != 0) text += FloatToStr(line.NalTr) + "%-тр.расх.";
    } else {
      text += kopeiki(Rounding(line.CenO * tr)) + "-отп.цена пр.";
    }
    return;
  }
  if (flags.Pr_ProcTr.isOne()) {
    text += kopeiki(line.CenPriobr) + "-о.-отп.цена";
    if (line.NalTr != 0) text += FloatToStr(line.NalTr) + "-тр.расх.";
  } else {
    text += kopeiki(static_cast<double>(Round(line.CenPriobr * tr * 100)) / 100) + "-о.-отп.цена";
  }
  if (flags.Pr_CenOpt.isOne()) text += kopeiki(line.CenO) + "-цен.закуп.";
}

void appendRate(std::string& text, double rate, const char* label) {
  if (rate != 0) text += FloatToStr(rate) + label;
}

void appendMarkupPercents(std::string& text, const LineFields& line, const RemarkFlags& flags) {
  if (line.CenO == 0) return;
  double posr = 1 + line.NacPosr / 100;
  double trPost = 1 + line.NalTrPost / 100;
  double NadbOpt = Rounding((line.CenO * posr * trPost / line.CenO - 1) * 100);
  if (flags.Pr_CenRoz.isOne()) {
    double rz = 1 + line.NacRozn / 100;
    double NadbTorg = Rounding((line.CenO * posr * trPost * rz / line.CenO - 1) * 100);
    if (NadbTorg != 0) text += FloatToStr(NadbTorg) + "%-торг.надб.";
    if (NadbOpt != 0) text += "(в т.ч. " + FloatToStr(NadbOpt) + "% опт.надб.)";
  } else if (NadbOpt != 0) {
    text += FloatToStr(NadbOpt) + "%-опт.надб.";
  }
}

}  // namespace

std::string remarkText(const LineFields& line, const RemarkFlags& flags) {
  std::string text;
  appendBasePrice(text, line, flags);
  appendRate(text, line.NacOpt, "%-опт.нац.");
  appendRate(text, line.SkidPokup, "%-скид.покуп.");
  if (flags.Pr_CenRoz.isOne()) appendRate(text, line.NacRozn, "%-розн.надб.");
  appendRate(text, line.NacObpit, "%-общеп.нац.");
  appendRate(text, line.NacPosr, "%-надб.посред.");
  appendRate(text, line.NalTrPost, "%-тр.расх.пост.");
  appendMarkupPercents(text, line, flags);
  return text;
}

}  // namespace korvel::report::script
