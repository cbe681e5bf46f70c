// The offline help pages installed with the program (the "help" folder of
// the program folder, which mirrors the help site's "/help/" folder): every
// help topic and fixed page of the program has its page, every link of a
// page leads to an installed page, and the contents and the keyword index
// of the help window name installed pages only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "help/HelpTopics.h"

namespace quill10 {
namespace {

namespace fs = std::filesystem;

const fs::path& HelpFolder() {
    static const fs::path folder = fs::path(QUILL10_PROGRAM_DIR) / "help";
    return folder;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A path below the help folder as the contents and the index write it.
std::string Relative(const fs::path& path) { return path.lexically_relative(HelpFolder()).generic_string(); }

// Every installed page, relative to the help folder.
std::vector<std::string> InstalledPages() {
    std::vector<std::string> pages;
    for (const auto& entry : fs::recursive_directory_iterator(HelpFolder()))
        if (entry.is_regular_file() && entry.path().extension() == ".htm") pages.push_back(Relative(entry.path()));
    std::sort(pages.begin(), pages.end());
    return pages;
}

// A file named relative to the help folder that exists there (and not
// outside it).
bool IsInstalledFile(const fs::path& file) {
    const fs::path relative = file.lexically_normal().lexically_relative(HelpFolder());
    return !relative.empty() && *relative.begin() != ".." && fs::is_regular_file(file);
}

// The start tags of a page with their attributes (names in lower case).
struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
};

std::vector<Tag> Tags(const std::string& html) {
    std::vector<Tag> tags;
    size_t at = 0;
    while ((at = html.find('<', at)) != std::string::npos) {
        if (html.compare(at, 4, "<!--") == 0) {
            at = html.find("-->", at);
            if (at == std::string::npos) break;
            continue;
        }
        size_t k = at + 1;
        Tag tag;
        while (k < html.size() && (std::isalnum(static_cast<unsigned char>(html[k])) || html[k] == '!'))
            tag.name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[k++])));
        while (k < html.size() && html[k] != '>') {
            if (std::isspace(static_cast<unsigned char>(html[k])) || html[k] == '/') {
                ++k;
                continue;
            }
            std::string name;
            while (k < html.size() && html[k] != '=' && html[k] != '>' && !std::isspace(static_cast<unsigned char>(html[k])))
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[k++])));
            std::string value;
            if (k < html.size() && html[k] == '=') {
                const char quote = html[++k];
                if (quote == '"' || quote == '\'') {
                    const size_t end = html.find(quote, k + 1);
                    value = html.substr(k + 1, end - k - 1);
                    k = end == std::string::npos ? html.size() : end + 1;
                } else {
                    while (k < html.size() && html[k] != '>' && !std::isspace(static_cast<unsigned char>(html[k])))
                        value += html[k++];
                }
            }
            tag.attributes[name] = value;
        }
        if (!tag.name.empty()) tags.push_back(std::move(tag));
        at = k;
    }
    return tags;
}

std::string Title(const std::string& html) {
    const std::string lower = Lower(html);
    const size_t open = lower.find("<title>");
    const size_t close = lower.find("</title>");
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    std::string title = html.substr(open + 7, close - open - 7);
    title.erase(0, title.find_first_not_of(" \t\r\n"));
    title.erase(title.find_last_not_of(" \t\r\n") + 1);
    return title;
}

bool IsUtf8(std::string_view text) {
    for (size_t k = 0; k < text.size();) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || k + length > text.size()) return false;
        for (size_t c = 1; c < length; ++c)
            if ((static_cast<unsigned char>(text[k + c]) >> 6) != 0x2) return false;
        k += length;
    }
    return true;
}

// The lines of one of the help window's lists, without line ends.
std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(HelpFolder() / name));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(HelpPages, EveryHelpTopicAndFixedPageIsInstalled) {
    std::vector<std::string> paths;
    for (const HelpTopicRow& row : HelpTopicTable()) paths.push_back(row.path);
    for (const char* fixed : {kHelpContentsPage, kZoomHelpPage, kShrinkFontsHelpPage, kPrintHelpPage})
        paths.push_back(fixed);
    for (const std::string& path : paths) {
        const std::string file = InstalledHelpFile(HelpFolder().string(), path);
        ASSERT_FALSE(file.empty()) << path;
        EXPECT_TRUE(IsInstalledFile(file)) << path << " is not installed as " << file;
    }
}

TEST(HelpPages, EveryPageIsUtf8AndHasATitle) {
    const std::vector<std::string> pages = InstalledPages();
    ASSERT_FALSE(pages.empty()) << "no help pages in " << HelpFolder();
    for (const std::string& page : pages) {
        const std::string html = ReadFile(HelpFolder() / page);
        EXPECT_TRUE(IsUtf8(html)) << page;
        EXPECT_FALSE(Title(html).empty()) << page;
        const std::vector<Tag> tags = Tags(html);
        EXPECT_TRUE(std::any_of(tags.begin(), tags.end(), [](const Tag& tag) {
            const auto charset = tag.attributes.find("charset");
            return tag.name == "meta" && charset != tag.attributes.end() && Lower(charset->second) == "utf-8";
        })) << page << " does not declare its charset";
    }
}

// Relative links and pictures lead to files of the help folder; an anchor
// "#x" names an element of the target page; a site address is left alone.
TEST(HelpPages, EveryLinkLeadsToAnInstalledFile) {
    for (const std::string& page : InstalledPages()) {
        const fs::path folder = (HelpFolder() / page).parent_path();
        for (const Tag& tag : Tags(ReadFile(HelpFolder() / page))) {
            const char* attribute = tag.name == "a" ? "href" : tag.name == "img" ? "src" : nullptr;
            if (!attribute || !tag.attributes.contains(attribute)) continue;
            const std::string link = tag.attributes.at(attribute);
            if (link.starts_with("http://") || link.starts_with("https://")) continue;
            ASSERT_FALSE(link.empty()) << page;
            const size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const fs::path target = file.empty() ? HelpFolder() / page : folder / file;
            ASSERT_TRUE(IsInstalledFile(target)) << page << " links to " << link;
            if (hash == std::string::npos) continue;
            const std::string anchor = link.substr(hash + 1);
            const std::vector<Tag> targetTags = Tags(ReadFile(target));
            EXPECT_TRUE(std::any_of(targetTags.begin(), targetTags.end(), [&anchor](const Tag& t) {
                const auto id = t.attributes.find("id");
                const auto name = t.attributes.find("name");
                return (id != t.attributes.end() && id->second == anchor) ||
                       (t.name == "a" && name != t.attributes.end() && name->second == anchor);
            })) << page << " links to the missing anchor " << link;
        }
    }
}

// contents.txt: two blanks of indentation per level (one level deeper at
// most), a title, and after a TAB the page; every installed page once.
TEST(HelpPages, ContentsListEveryPageOnce) {
    std::map<std::string, int> listed;
    int previousLevel = -1;
    for (const std::string& line : Lines("contents.txt")) {
        const size_t indent = line.find_first_not_of(' ');
        ASSERT_NE(indent, std::string::npos) << "empty line in contents.txt";
        ASSERT_EQ(indent % 2, 0u) << line;
        const int level = static_cast<int>(indent / 2);
        EXPECT_LE(level, previousLevel + 1) << line;
        previousLevel = level;
        const size_t tab = line.find('\t');
        EXPECT_GT(std::min(tab, line.size()), indent) << "no title: " << line;
        if (tab == std::string::npos) continue;
        const std::string path = line.substr(tab + 1);
        EXPECT_TRUE(IsInstalledFile(HelpFolder() / path)) << line;
        ++listed[path];
    }
    for (const auto& [path, times] : listed) EXPECT_EQ(times, 1) << path;
    for (const std::string& page : InstalledPages()) EXPECT_TRUE(listed.contains(page)) << page << " is not in contents.txt";
}

TEST(HelpPages, IndexIsSortedAndNamesInstalledPages) {
    const std::vector<std::string> lines = Lines("index.txt");
    ASSERT_FALSE(lines.empty());
    std::string previous;
    for (const std::string& line : lines) {
        const size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        ASSERT_GT(tab, 0u) << "no keyword: " << line;
        EXPECT_TRUE(IsInstalledFile(HelpFolder() / line.substr(tab + 1))) << line;
        const std::string keyword = Lower(line.substr(0, tab));
        EXPECT_LE(previous, keyword) << "index.txt is out of order at " << line;
        previous = keyword;
    }
}

TEST(HelpPages, InstalledHelpFileStaysInsideTheHelpFolder) {
    const std::string folder = HelpFolder().string();
    for (const char* refused : {"/help/../etc/passwd", "/help/quill10/../../etc/passwd", "help/quill10/default.htm",
                                "/helpdesk/default.htm", "/etc/passwd", "/help/", ""})
        EXPECT_EQ(InstalledHelpFile(folder, refused), "") << refused;
    EXPECT_EQ(fs::path(InstalledHelpFile(folder, "/help/quill10/./file_menu/../default.htm")),
              HelpFolder() / "quill10" / "default.htm");
}

TEST(HelpPages, VideoFolderNamesEveryVideoFile) {
    const std::string readme = ReadFile(HelpFolder() / "quill10" / "videos" / "README.txt");
    ASSERT_FALSE(readme.empty());
    for (const InstructionalVideo& video : InstructionalVideos())
        EXPECT_NE(readme.find(video.fileName), std::string::npos) << video.fileName;
}

}  // namespace
}  // namespace quill10
