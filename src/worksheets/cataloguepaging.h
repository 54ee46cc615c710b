#pragma once

// Which titles a page of the catalogue shows, and which page buttons it offers. Pages count from
// 0; titles from 1.
inline constexpr int TitlesPerPage = 24;

struct CataloguePageView {
    int first = 1; // first title on the page
    int last = 0;  // last title on the page; below first when the page is empty
    bool previous = false;
    bool next = false;
};

// Every title is reachable: "next" is offered exactly while titles lie beyond this page.
CataloguePageView cataloguePageView(int page, int count);
