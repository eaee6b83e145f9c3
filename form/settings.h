// The options of one ShowBegRepForm call. The form keeps its own copy and
// the preparation reads the options only from there. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace korvel::form {

struct Settings {
  bool Tr = false;
  bool SumNDS_1 = false;
  bool VsegoSNDS_1 = false;
  bool Stoimost = false;
  bool Stoimost2_1 = false;
  bool Stoimost2_2 = false;
  bool CheckNastrGrTov = false;
  bool Pr_CenPriobr = false;
  bool Pr_CenTr = false;
  bool Pr_ProcTr = false;
  bool Pr_CenWNal = false;
  bool ReturnTypeTrPredpr = false;
  bool Face3 = false;
  std::string VesTr;
  std::string TTN;
  std::string NumDoc;
  std::string Seria;
  std::string Pogr;
  std::string Razg;
  std::string VidPer;
  std::string Prim;
  std::string PRAll;
  std::int32_t IdDoc = 0;
  std::string OtpRaz;
  std::string DateDov;
  std::string VlTr;  // kept as received; nothing reads it
  std::string SposPogr;
  std::string SposRazgr;
  std::string VrPrib;
  std::string VrUb;
  std::string VrProst;
  std::string MOLGruzPoluch;
  std::string NomPric;
  std::int32_t Copies = 1;
  std::string Agreement;
  std::string AliasName;
  std::string DbParam1;  // at most dbParamLength characters
  std::string DbParam2;  // at most dbParamLength characters
};

// The login lines are short strings of this many characters.
inline constexpr std::size_t dbParamLength = 25;

}  // namespace korvel::form
