// The pieces of the older remark, in the order they are appended.
#include "legacy/script/older_remark.h"

#include "legacy/script/older_functions.h"
#include "report/script/language.h"

namespace korvel::legacy::script {

namespace {

using report::script::Round;

void appendRate(std::string& text, bool given, double rate, const char* label) {
  if (given) text += kopeiki(rate) + label;
}

}  // namespace

std::string olderRemarkText(const report::script::LineFields& line,
                            const report::script::RemarkFlags& flags) {
  const bool fromRelease = flags.Pr_SchCenPriobr.isZero();
  const double base = fromRelease ? line.CenO : line.CenPriobr;
  const double tr = 1 + line.NalTr / 100;
  std::string text;
  text += kopeiki(flags.Pr_ProcTr.isOne() ? base : static_cast<double>(Round(base * tr * 100)) / 100);
  text += "-о.-отп.цена";
  appendRate(text, flags.Pr_ProcTr.isOne() && line.NalTr != 0, line.NalTr, "-тр.расх.");
  appendRate(text, line.NacOpt != 0, line.NacOpt, "-опт.надб.");
  appendRate(text, line.SkidPokup != 0, line.SkidPokup, "-скид.покуп.");
  appendRate(text, line.NacRozn != 0 && flags.Pr_CenRoz.isOne(), line.NacRozn, "-розн.надб.");
  appendRate(text, line.NacObpit != 0, line.NacObpit, "-общеп.нац.");
  appendRate(text, !fromRelease && flags.Pr_CenOpt.isOne(), line.CenO, "-цен.закуп.");
  return text;
}

}  // namespace korvel::legacy::script
