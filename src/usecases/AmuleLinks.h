#pragma once

// The links a link check found clean, handed to the stored aMule to download.

#include <cstdint>
#include <string>
#include <vector>

#include <expected>
#include "ed2k/Ed2kLink.h"
#include "usecases/AmuleCheck.h"
#include "usecases/LinkCheck.h"

namespace kv {

// The links judged OK (the own list's allowed ones too), each file once, in
// the order of the input: never a fake, a suspect or a malformed link.
[[nodiscard]] std::vector<Ed2kLink> CleanLinks(const LinkReport& report);

struct AmuleLinksAdded {
    struct Refusal {
        std::string name;
        std::string why;
    };
    int32_t added = 0;
    std::vector<Refusal> refused;  // aMule said no (a link it already has, say), or the connection broke
};

// Logs in to the aMule of amule-connection.ini and adds each link. A broken
// connection ends the adding (the links after it are not tried); aMule's
// refusal of one link does not.
[[nodiscard]] std::expected<AmuleLinksAdded, AmuleCheckFailure> AddLinksToAmule(const ProgramHome& home,
                                                                 const std::vector<Ed2kLink>& links,
                                                                 ec::Timeouts timeouts = {});

}  // namespace kv
