#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "usecases/AmuleCheck.h"
#include "usecases/Check.h"
#include "usecases/LinkCheck.h"

// The rows as every front end hands them to programs (check --json, watch
// --json, links --json, the web API): one set of field names, one escaping.
namespace kv {

using OrderedJson = nlohmann::ordered_json;

[[nodiscard]] OrderedJson FindingJson(const Finding& f);
// What the client (aMule, eMule) says of a download: its "client" object.
[[nodiscard]] OrderedJson ClientJson(const AmuleFinding& af, std::string_view client = "aMule");
[[nodiscard]] OrderedJson LinkJson(const LinkFinding& f);

// JSON text with C1 control characters escaped as well: the library escapes
// only those below U+0020, and a raw CSI or OSC would reach a terminal that
// shows the output.
[[nodiscard]] std::string JsonDump(const OrderedJson& j, int indent = -1);

// A JSON array written an element at a time, so that no list is held whole:
// the same bytes as the whole array's dump(2).
class JsonArrayWriter {
public:
    explicit JsonArrayWriter(std::string& out) : out_(out) {}
    void Add(const OrderedJson& element);
    void Close() { out_ += empty_ ? "[]\n" : "\n]\n"; }

private:
    std::string& out_;
    bool empty_ = true;
};

}  // namespace kv
