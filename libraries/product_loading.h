#pragma once
// Turning an order of products into job files: one job file per distinct material, grade and
// thickness of the ordered pieces, each built from the Defaults job with the order's
// cut-pieces filled in.

#include <string>

#include "platform/message.h"
#include "storage/grid.h"

namespace trimora {

inline constexpr const char* kOrderFile = "loadprod.tlf";

// "[MAT=" + mat + ",GRADE=" + grade + ",THICK=" + the number thick as a plain number + "]":
// thicknesses 2 and 2.00 give the same key.
std::string GroupKey(const std::string& mat, const std::string& grade, const std::string& thick);

struct LoadOutcome {
  Message message;
  bool closeWindow = false;  // the order was turned into files
};

// The Load command on the order grid (PRODUCTS, QTY, CLIENT). Without the Defaults job nothing
// is written or deleted. Otherwise the order is saved to loadprod.tlf, every file matching
// prefix + "*" + extension is deleted, and for each order line with a product and a quantity
// the product's records in plm.dat give cut-pieces (QTY = order QTY x piece QTY, PARTY the
// product, SITE the client) grouped by GroupKey; each group becomes the job file prefix + key
// + extension, assembled through tmp.tlf.
LoadOutcome LoadProducts(const Grid& orderGrid, const std::string& prefix,
                         const std::string& extension);

}  // namespace trimora
