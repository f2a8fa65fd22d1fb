#pragma once
// The document as JSON for `lumora-cli info` and `dump`: the field names of
// the records and of the document, every array at its full length, texts as
// Latin-1 read into Unicode.

#include <nlohmann/json.hpp>
#include <string_view>

#include "files/schedule_file.h"
#include "model/document.h"

namespace lumora::cli {

using Json = nlohmann::ordered_json;

std::string Latin1ToUtf8(std::string_view text);

Json PairToJson(const TPair& pair);
Json PilotToJson(const TPilot& pilot);
Json ToolboxItemToJson(const TAbsence& item);

// The summary of `info`.
Json DocumentInfo(const TDocument& doc, const LoadResult& load);
// Everything, for `dump`.
Json DocumentToJson(const TDocument& doc, const LoadResult& load);

}  // namespace lumora::cli
