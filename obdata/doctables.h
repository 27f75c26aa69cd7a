#pragma once

namespace quorvant {

// Calls f with the document's records of table 0 (weapons), 1 (units) or 2 (formations).
template <class Doc, class F> decltype(auto) WithDocTable(Doc& doc, int table, F&& f) {
    switch (table) {
    case 0:
        return f(doc.Weapons);
    case 1:
        return f(doc.Units);
    default:
        return f(doc.Formations);
    }
}

} // namespace quorvant
