#include "inifile/SectionLines.h"

#include "platform/TextServices.h"

namespace pk {

std::optional<std::string_view> KeyOf(std::string_view line)
{
    size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

std::pair<TSectionLines::TPlace, std::string_view> TSectionLines::Read(size_t& at) const
{
    size_t begin = at;
    size_t length = 0;
    for (unsigned shift = 0;; shift += 7) {
        auto byte = static_cast<unsigned char>(block[at++]);
        length |= static_cast<size_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            break;
    }
    std::string_view line(block.data() + at, length);
    at += length;
    return {TPlace{begin, at}, line};
}

std::string TSectionLines::Record(std::string_view line)
{
    std::string record;
    size_t length = line.size();
    do {
        auto low = static_cast<unsigned char>(length & 0x7F);
        length >>= 7;
        record += static_cast<char>(length ? low | 0x80 : low);
    } while (length);
    record += line;
    return record;
}

std::vector<std::string> TSectionLines::All() const
{
    std::vector<std::string> lines;
    ForEach([&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::optional<TSectionLines::TPlace> TSectionLines::FindKey(std::string_view key) const
{
    for (size_t at = 0; at < block.size();) {
        auto [place, line] = Read(at);
        auto lineKey = KeyOf(line);
        if (lineKey && platform::SameText(*lineKey, key))
            return place;
    }
    return std::nullopt;
}

std::string_view TSectionLines::LineAt(TPlace place) const
{
    size_t at = place.begin;
    return Read(at).second;
}

void TSectionLines::Append(std::string_view line)
{
    block += Record(line);
}

void TSectionLines::Replace(TPlace place, std::string_view line)
{
    block.replace(place.begin, place.end - place.begin, Record(line));
}

void TSectionLines::Erase(TPlace place)
{
    block.erase(place.begin, place.end - place.begin);
}

}  // namespace pk
