#include "HistoryBenchData.h"

#include <algorithm>

#include "history/HistoryStore.h"

namespace bench {

Web::Web(unsigned seed) : random(seed) {
  for (const char* w : {"debian", "reference", "manual", "linux", "kernel", "python", "news",
                        "wiki", "weather", "recipe", "music", "release", "notes"}) {
    words.push_back(w);
  }
  while (words.size() < 6000) {
    std::string w;
    const int length = 3 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i) w.push_back(static_cast<char>('a' + random() % 26));
    words.push_back(w);
  }
  const char* tlds[] = {"org", "com", "net", "de", "io"};
  for (int i = 0; i < kSites; ++i) {
    sites.push_back((i % 3 ? "www." : "") + word() + word() + "." + tlds[random() % 5]);
  }
  for (int i = 0; i < kPages; ++i) {
    std::string url = "https://" + sites[random() % kSites] + "/";
    for (int part = 0, parts = 1 + static_cast<int>(random() % 4); part < parts; ++part) {
      url += word() + (part + 1 < parts ? "/" : "");
    }
    if (i % 5 == 0) url += "?id=" + std::to_string(i);
    urls.push_back(url);
    titles.push_back(title());
  }
}

std::string Web::title() {
  std::string text;
  for (int i = 0, n = 3 + static_cast<int>(random() % 6); i < n; ++i) {
    std::string next = word();
    if (i == 0) next[0] = static_cast<char>(next[0] - 'a' + 'A');
    text += (i ? " " : "") + next;
  }
  return text;
}

void fillHistory(const std::string& path, Web& web, std::int64_t nowMs) {
  using corvane::HistoryChange;
  corvane::HistoryStore store(path, 5000);
  std::vector<HistoryChange> visits;
  for (int i = 0; i < kVisits; ++i) {
    const int page = i < kPages ? i : static_cast<int>(web.random() % 2000);
    const std::int64_t at = nowMs - kYearMs + kYearMs * i / kVisits;
    visits.push_back({HistoryChange::Kind::Visit, web.urls[page], web.titles[page], at});
  }
  for (std::size_t from = 0; from < visits.size(); from += 10000) {
    store.Apply({visits.begin() + from, visits.begin() + std::min(from + 10000, visits.size())});
  }
}

}  // namespace bench
