#include "app/presenter/ResultRows.h"

#include "app/presenter/Messages.h"

#include "common/DisplayText.h"
#include "ed2k/LinkText.h"
#include "usecases/ReportText.h"

namespace kv {

std::vector<std::string> ListColumns(ListKind kind) {
    const std::string head = kind == ListKind::Search  ? msg::SearchHead()
                             : kind == ListKind::Amule ? msg::CheckHead() + "\t" + msg::AmuleStateHead()
                                                       : msg::CheckHead();
    std::vector<std::string> columns;
    for (size_t start = 0;;) {
        const size_t tab = head.find('\t', start);
        columns.push_back(head.substr(start, tab - start));
        if (tab == std::string::npos) return columns;
        start = tab + 1;
    }
}

std::vector<std::string> FindingCells(const Finding& f, const Translator& tr) {
    return {VisibleControls(f.part), VisibleControls(f.download.name), VisibleControls(VerdictOf(f, tr))};
}

std::vector<std::string> SearchHitCells(const SearchHit& hit) {
    return {VisibleControls(hit.part), VisibleControls(hit.name)};
}

std::string CopyText(const std::vector<Finding>& findings, CopyWhat what) {
    std::string out;
    for (const Finding& f : findings) {
        std::string line;
        switch (what) {
            case CopyWhat::Link: line = LinkFor(f.download); break;
            case CopyWhat::LinkHtml: line = LinkHtmlFor(f.download); break;
            case CopyWhat::Name: line = f.download.name; break;
            case CopyWhat::Hash: line = f.download.hash ? f.download.hash->ToHex() : std::string(); break;
            case CopyWhat::ListLine: out += FindingListLine(f); continue;  // ends in CR LF itself
        }
        if (!out.empty()) out += '\n';
        out += line;
    }
    return out;
}

}  // namespace kv
