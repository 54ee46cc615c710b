#include "worksheets/cataloguepaging.h"

#include <algorithm>

CataloguePageView cataloguePageView(int page, int count) {
    CataloguePageView v;
    v.first = page * TitlesPerPage + 1;
    v.last = std::min(count, page * TitlesPerPage + TitlesPerPage);
    v.previous = page > 0;
    v.next = count > page * TitlesPerPage + TitlesPerPage;
    return v;
}
