#include "analysis/comparelabels.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quorvant {
namespace {

// The game's file names are case-blind, so "OBPZ" and "obpz" need telling apart as well.
bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The path's parts, the file name first, then its folders outward.
std::vector<std::string> PartsInward(const std::filesystem::path& path) {
    std::vector<std::string> parts;
    for (const auto& part : path.lexically_normal())
        if (!part.empty() && part != part.root_directory()) parts.push_back(part.string());
    std::reverse(parts.begin(), parts.end());
    return parts;
}

std::string Joined(const std::vector<std::string>& inward, std::size_t count) {
    std::string label;
    for (std::size_t i = std::min(count, inward.size()); i-- > 0;) label += inward[i] + (i > 0 ? "/" : "");
    return label;
}

} // namespace

std::pair<std::string, std::string> CompareLabels(const std::filesystem::path& a,
                                                  const std::filesystem::path& b) {
    const std::vector<std::string> pa = PartsInward(a);
    const std::vector<std::string> pb = PartsInward(b);
    const std::size_t longest = std::max(pa.size(), pb.size());
    for (std::size_t count = 1; count <= longest; ++count) {
        const std::string la = Joined(pa, count);
        const std::string lb = Joined(pb, count);
        if (!SameName(la, lb) || count > pa.size() || count > pb.size()) return {la, lb};
    }
    const std::string name = pa.empty() ? std::string() : pa.front();
    return {name + " (open)", name + " (on disk)"};
}

} // namespace quorvant
