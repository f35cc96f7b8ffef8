#include "files/file_filters.h"

#include <gtest/gtest.h>

namespace {

std::string Selected(const std::vector<FileFilter>& filters, DocumentKind kind, const char* path) {
  const int i = StartingFilter(filters, kind, path);
  return i >= 1 && i <= static_cast<int>(filters.size()) ? filters[static_cast<size_t>(i - 1)].pattern : "?";
}

}  // namespace

TEST(FileFilters, TheDialogsStartOnTheDocumentsOwnFilter) {
  const std::vector<FileFilter> open = OpenFilters();
  ASSERT_EQ(open.size(), 7u);
  EXPECT_EQ(open[0].description, "ソース ファイル(*.bas;*.ovp;*.sbp;*.wbp)");
  // The rest as the Open command has always listed them, "*html" included.
  EXPECT_EQ(open[2].pattern, "*.htm;*html");
  EXPECT_EQ(open[6].pattern, "*");
  struct Case {
    DocumentKind kind;
    const char* path;
    const char* pattern;
  };
  const Case cases[] = {
      {DocumentKind::kSource, "C:\\src\\prog.bas", "*.bas;*.ovp;*.sbp;*.wbp"},
      {DocumentKind::kSource, "C:\\src\\Win.SBP", "*.bas;*.ovp;*.sbp;*.wbp"},
      {DocumentKind::kSource, "", "*.bas;*.ovp;*.sbp;*.wbp"},
      {DocumentKind::kText, "C:\\a\\memo.txt", "*.txt"},
      {DocumentKind::kText, "", "*.txt"},
      {DocumentKind::kText, "C:\\a\\script.pl", "*.cgi;*.pl"},
      {DocumentKind::kHtml, "C:\\w\\index.php", "*.php"},
      {DocumentKind::kHtml, "", "*.htm;*html"},
      {DocumentKind::kText, "C:\\dir.v2\\README", "*.txt"},  // a dot in a folder is no extension
      {DocumentKind::kText, "C:\\a\\data.csv", "*.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(Selected(open, c.kind, c.path), c.pattern) << c.path;
  // The save dialog of an untitled document keeps its kind's short list.
  EXPECT_EQ(Selected(SaveFilters(DocumentKind::kHtml), DocumentKind::kHtml, ""), "*.html;*.htm");
  EXPECT_EQ(SaveFilters(DocumentKind::kText).size(), 2u);
  EXPECT_EQ(SaveFilters(DocumentKind::kSource).size(), open.size());
  EXPECT_EQ(JoinFilters({{"A", "*.a"}}), std::string("A\0*.a\0\0", 7));
}

TEST(FileFilters, SelectedFilesFromTheDialogsBuffer) {
  struct Case {
    std::string buffer;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      {std::string("C:\\dir\\one.txt\0\0", 16), {"C:\\dir\\one.txt"}},
      {std::string("C:\\dir\0a.txt\0表示.bas\0\0", 24), {"C:\\dir\\a.txt", "C:\\dir\\表示.bas"}},
      {std::string("C:\\\0a.txt\0b.txt\0\0", 17), {"C:\\a.txt", "C:\\b.txt"}},
      {std::string("\0\0", 2), {}},
      {std::string("C:\\dir\0a.txt", 12), {"C:\\dir\\a.txt"}},  // no final NUL within the buffer
  };
  for (const Case& c : cases) EXPECT_EQ(SplitSelectedFiles(c.buffer.data(), c.buffer.size()), c.paths);
}
