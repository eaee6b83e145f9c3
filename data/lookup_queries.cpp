// The look-ups of the waybill form: bonus sum, enterprise group name and
// proxy holders, all on the alias connection.
#include "data/queries.h"

namespace korvel::data {

using db::FieldType;

namespace {

constexpr std::string_view sumBnsSql[] = {"select sumbns from doccaption where iddoc=:iddoc"};
constexpr ParamDecl sumBnsParams[] = {{"iddoc", FieldType::Integer}};

constexpr std::string_view nameGrPrSql[] = {
    "select NameGrPredpr from tbGrPredpr where idGrPredpr=(Select IdGrPredpr",
    " from tbPredpr where idpredpr=(Select Idpredpr from Doccaption",
    " where Iddoc=:iddoc))",
};

constexpr std::string_view fioDovSql[] = {
    "if exists (select * from tbDover where  (idpredpr=:idpredpr) )",
    "           select Fio from tbDover where  (idpredpr=:idpredpr)",
    "else",
    "           select Fio from tbDover where idpredpr=(select idplat from tbpredpr where "
    "idpredpr=:idpredpr) ",
};
constexpr ParamDecl fioDovParams[] = {{"idpredpr", FieldType::Integer}};
constexpr FieldDecl fioDovFields[] = {{"Fio", FieldType::FixedChar, 25}};

}  // namespace

const QueryDecl sumBnsQuery{"SumBnsQuery", Client::DatabaseEngine, sumBnsSql, sumBnsParams, {}};
// Its parameter has no stored type: it takes the type of the value set.
const QueryDecl nameGrPrQuery{"NameGrPrQuery", Client::DatabaseEngine, nameGrPrSql, {}, {}};
const QueryDecl fioDovQuery{"FioDovQuery", Client::DatabaseEngine, fioDovSql, fioDovParams, fioDovFields};

}  // namespace korvel::data
