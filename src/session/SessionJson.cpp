#include "session/SessionJson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/Base64.h"

namespace corvane {

namespace {

using Json = nlohmann::json;

const char kFormatKey[] = "format";
const char kCleanExitKey[] = "cleanExit";
const char kTopKey[] = "top";
const char kBottomKey[] = "bottom";
const char kShownKey[] = "shown";
const char kPagesKey[] = "pages";
const char kAddressKey[] = "address";
const char kTitleKey[] = "title";
const char kEntriesKey[] = "entries";
const char kCurrentKey[] = "current";
const char kEngineHistoryKey[] = "engineHistory";

// Thrown where the file's shape is not the session's.
struct NotASession {};

Json entryJson(const PageHistoryEntry& entry) {
  return Json{{kAddressKey, entry.address}, {kTitleKey, entry.title}};
}

Json pageJson(const PageSnapshot& page) {
  Json entries = Json::array();
  for (const PageHistoryEntry& entry : page.history.entries) entries.push_back(entryJson(entry));
  return Json{{kAddressKey, page.address},
              {kTitleKey, page.title},
              {kEntriesKey, std::move(entries)},
              {kCurrentKey, page.history.current},
              {kEngineHistoryKey, base64Encoded(page.engineHistory)}};
}

Json paneJson(const PaneSnapshot& pane) {
  Json pages = Json::array();
  for (const PageSnapshot& page : pane.pages) pages.push_back(pageJson(page));
  return Json{{kShownKey, pane.shown}, {kPagesKey, std::move(pages)}};
}

const Json& member(const Json& object, const char* key) {
  if (!object.is_object()) throw NotASession();
  const auto it = object.find(key);
  if (it == object.end()) throw NotASession();
  return *it;
}

std::string text(const Json& object, const char* key) {
  const Json& value = member(object, key);
  if (!value.is_string()) throw NotASession();
  return value.get<std::string>();
}

// A whole number from first to last, both included.
int64_t whole(const Json& object, const char* key, int64_t first, int64_t last) {
  const Json& value = member(object, key);
  if (!value.is_number_integer()) throw NotASession();
  const int64_t number = value.is_number_unsigned()
                             ? static_cast<int64_t>(std::min<uint64_t>(
                                   value.get<uint64_t>(), std::numeric_limits<int64_t>::max()))
                             : value.get<int64_t>();
  if (number < first || number > last) throw NotASession();
  return number;
}

const Json& array(const Json& object, const char* key) {
  const Json& value = member(object, key);
  if (!value.is_array()) throw NotASession();
  return value;
}

PageSnapshot pageOf(const Json& json) {
  PageSnapshot page;
  page.address = text(json, kAddressKey);
  page.title = text(json, kTitleKey);
  for (const Json& entry : array(json, kEntriesKey)) {
    page.history.entries.push_back({text(entry, kAddressKey), text(entry, kTitleKey)});
  }
  const int64_t count = static_cast<int64_t>(page.history.entries.size());
  page.history.current = static_cast<int>(whole(json, kCurrentKey, count == 0 ? -1 : 0, count - 1));
  const std::optional<std::string> engine = base64Decoded(text(json, kEngineHistoryKey));
  if (!engine) throw NotASession();
  page.engineHistory = *engine;
  return page;
}

PaneSnapshot paneOf(const Json& json) {
  PaneSnapshot pane;
  for (const Json& page : array(json, kPagesKey)) pane.pages.push_back(pageOf(page));
  const int64_t count = static_cast<int64_t>(pane.pages.size());
  pane.shown = static_cast<int>(whole(json, kShownKey, 0, count == 0 ? 0 : count - 1));
  return pane;
}

SessionJson::Parsed damaged() {
  SessionJson::Parsed parsed;
  parsed.outcome = SessionJson::Outcome::Damaged;
  parsed.problem = "it is damaged";
  return parsed;
}

}  // namespace

std::string SessionJson::Write(const Session& session, bool cleanExit) {
  const Json json{{kFormatKey, kFormat},
                  {kCleanExitKey, cleanExit},
                  {kTopKey, paneJson(session.top)},
                  {kBottomKey, paneJson(session.bottom)}};
  // A title the engine gave in broken UTF-8 is mended rather than lose the whole session.
  return json.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

SessionJson::Parsed SessionJson::Read(const std::string& fileText) {
  const Json json = Json::parse(fileText, nullptr, false);
  if (json.is_discarded()) return damaged();
  try {
    const int64_t format = whole(json, kFormatKey, 1, std::numeric_limits<int64_t>::max());
    if (format > kFormat) {
      Parsed parsed;
      parsed.outcome = Outcome::Newer;
      parsed.problem = "a newer version of Corvane wrote it";
      return parsed;
    }
    Parsed parsed;
    const Json& cleanExit = member(json, kCleanExitKey);
    if (!cleanExit.is_boolean()) throw NotASession();
    parsed.cleanExit = cleanExit.get<bool>();
    parsed.session.top = paneOf(member(json, kTopKey));
    parsed.session.bottom = paneOf(member(json, kBottomKey));
    parsed.outcome = Outcome::Read;
    return parsed;
  } catch (const NotASession&) {
    return damaged();
  } catch (const Json::exception&) {
    return damaged();
  }
}

}  // namespace corvane
