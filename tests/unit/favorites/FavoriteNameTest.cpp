#include "favorites/FavoriteName.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

const std::string kUrl = FavoriteName::kShortcut;
const std::string kFolder = FavoriteName::kFolder;

// Whatever the name, its file name holds no '/', does not start with a dot, holds ".url" only as
// the shortcut's ending, and is read back as the name was given (less control characters and
// blanks around it).
TEST(FavoriteNameTest, ANameIsWrittenEscapedAndReadBackAsGiven) {
  const struct {
    std::string name;
    std::string ending;
    std::string file;
    std::string shown;
  } cases[] = {
      {"News", kUrl, "News.url", "News"},
      {"50% off", kUrl, "50%25 off.url", "50% off"},
      {"50%2F off", kUrl, "50%252F off.url", "50%2F off"},
      {"100%25 sure", kFolder, "100%2525 sure", "100%25 sure"},
      {"AC/DC: Live", kUrl, "AC%2FDC: Live.url", "AC/DC: Live"},
      {".profile", kUrl, "%2Eprofile.url", ".profile"},
      {".profile", kFolder, "%2Eprofile", ".profile"},
      {"Notes on the .URL format", kUrl, "Notes on the %2EURL format.url",
       "Notes on the .URL format"},
      {".url", kUrl, "%2Eurl.url", ".url"},
      {"...", kUrl, "%2E...url", "..."},
      {"a.", kUrl, "a..url", "a."},
      {"..", kFolder, "%2E.", ".."},
      {"a/../b", kFolder, "a%2F..%2Fb", "a/../b"},
      {" \tTabs\tand\nlines\r ", kUrl, "Tabs and lines.url", "Tabs and lines"},
      {" \t", kUrl, "Untitled.url", "Untitled"},
      {"", kFolder, "Untitled", "Untitled"},
      {"Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC", kUrl, "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC.url",
       "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"},
      // A renamed shortcut keeps an ending of its own.
      {"older", ".URL.bak", "older.URL.bak", "older"},
  };
  for (const auto& c : cases) {
    const std::string file = FavoriteName::FileName(c.name, c.ending);
    EXPECT_EQ(file, c.file) << c.name;
    const std::string shown = c.ending.empty() ? FavoriteName::FolderName(file)
                                               : FavoriteName::ShortcutName(file).value_or("?");
    EXPECT_EQ(shown, c.shown) << c.name;
    EXPECT_EQ(FavoriteName::Kept(c.name, c.ending), c.shown) << c.name;
    EXPECT_FALSE(FavoriteName::Shortened(c.name, c.ending)) << c.name;
  }
  // A number after the name, as an import gives a namesake.
  EXPECT_EQ(FavoriteName::FileName("a/b", kUrl, " (2)"), "a%2Fb (2).url");
  // A file named by hand is read by the same rule; without ".url" it is no shortcut.
  EXPECT_EQ(FavoriteName::ShortcutName("News.URL.bak"), "News");
  EXPECT_EQ(FavoriteName::ShortcutName("%2e%2F%41.url"), "./%41");
  EXPECT_EQ(FavoriteName::ShortcutName("desktop.ini"), std::nullopt);
}

// A name too long for a file name is cut at a character, never inside one or inside an escape,
// and the number after it is kept.
TEST(FavoriteNameTest, ANameTooLongIsShortenedToFitAndSaysSo) {
  std::string name;
  for (int i = 0; i < 200; ++i) name += "\xC3\xA9%";  // 600 bytes once escaped
  for (const std::string& ending : {kUrl, kFolder}) {
    for (const std::string& suffix : {std::string(), std::string(" (12)")}) {
      const std::string file = FavoriteName::FileName(name, ending, suffix);
      EXPECT_LE(file.size(), FavoriteName::kMaxFileNameBytes);
      EXPECT_GT(file.size(), FavoriteName::kMaxFileNameBytes - 5);
      EXPECT_EQ(file.substr(file.size() - ending.size() - suffix.size()), suffix + ending);
    }
    EXPECT_TRUE(FavoriteName::Shortened(name, ending));
    const std::string kept = FavoriteName::Kept(name, ending);
    EXPECT_EQ(name.compare(0, kept.size(), kept), 0);
    EXPECT_EQ(kept.back(), '%');
    EXPECT_EQ(FavoriteName::FolderName(FavoriteName::FileName(name, ending)), kept + ending);
  }
  // The blank a cut leaves at the end goes.
  const std::string spaced = std::string(250, 'x') + " yz";
  EXPECT_EQ(FavoriteName::Kept(spaced, kUrl), std::string(250, 'x'));
  EXPECT_EQ(FavoriteName::Kept(std::string(251, 'n'), kUrl), std::string(251, 'n'));
  EXPECT_FALSE(FavoriteName::Shortened(std::string(251, 'n'), kUrl));
}

}  // namespace
}  // namespace corvane
