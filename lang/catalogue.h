#pragma once

#include <cstddef>

// The compiled catalogues, made at build time from po/*.po by
// scripts/po_to_cpp.py. Each is sorted by key for a binary search.
namespace lang {

struct CatalogueEntry {
    // The English text, after its context and '\x04' when it has one.
    const char* key;
    // The translation; for a count, its forms one after another, each ended
    // by '\0'.
    const char* text;
};

struct Catalogue {
    const CatalogueEntry* entries;
    std::size_t count;
};

// By language code; nullptr for English and for a language without one.
const Catalogue* FindCatalogue(const char* code);

}  // namespace lang
