// The queries of the waybill form: the document header, its lines (read
// twice, once per connection) and three look-ups; and the earlier
// revision's header and lines queries.
#pragma once

#include "data/query_declaration.h"

namespace korvel::data {

extern const QueryDecl prCapQuery;     // header, 110 fields, parameter idDoc
extern const QueryDecl adoPrStrQuery;  // lines for the report, 54 fields, parameter Iddoc
extern const QueryDecl prStrQuery;     // the same lines on `mdb`, for their count
extern const QueryDecl sumBnsQuery;    // bonus sum, parameter iddoc
extern const QueryDecl nameGrPrQuery;  // enterprise group name, parameter iddoc
extern const QueryDecl fioDovQuery;    // proxy holders, parameter idpredpr at three places

namespace legacy {
extern const QueryDecl prCapQuery;  // 107 fields, on `mdb`
extern const QueryDecl prStrQuery;  // 52 fields, on `mdb`
}  // namespace legacy

}  // namespace korvel::data
