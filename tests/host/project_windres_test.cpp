// The resource script a project writes compiles with the MinGW resource
// compiler, paths with backslashes and with ソ and 表 (second byte 0x5C)
// included. On this host a backslash is no separator, so the files are made
// with names that hold the backslash bytes themselves: windres finds them only
// when it read each doubled 0x5C as one.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "project/project_resources.h"

namespace {

std::string Le16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string Le32(uint32_t v) { return Le16(static_cast<int>(v & 0xFFFF)) + Le16(static_cast<int>(v >> 16)); }

// A 16 x 16 two-colour image in an icon (type 1) or cursor (type 2) file; for
// a cursor the two words after the colour count are the hot spot.
std::string IconFile(int type) {
  std::string image = Le32(40) + Le32(16) + Le32(32) + Le16(1) + Le16(1) + Le32(0) + Le32(0) + Le32(0) + Le32(0) +
                      Le32(2) + Le32(0);
  image += std::string("\0\0\0\0\xFF\xFF\xFF\0", 8);  // palette
  image += std::string(16 * 4, '\x0F');               // colour bits
  image += std::string(16 * 4, '\0');                 // mask
  std::string file = Le16(0) + Le16(type) + Le16(1);
  file += std::string{16, 16, 2, 0};
  file += Le16(type == 2 ? 8 : 1) + Le16(type == 2 ? 8 : 1) + Le32(static_cast<uint32_t>(image.size())) + Le32(22);
  return file + image;
}

std::string BitmapFile() {
  const std::string pixels = std::string("\x10\x20\x30", 3) + std::string(1, '\0');  // one pixel, row padded
  std::string info = Le32(40) + Le32(1) + Le32(1) + Le16(1) + Le16(24) + Le32(0) + Le32(4) + Le32(2835) +
                     Le32(2835) + Le32(0) + Le32(0);
  return "BM" + Le32(14 + 40 + 4) + Le32(0) + Le32(14 + 40) + info + pixels;
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

bool HaveWindres() { return std::system("command -v i686-w64-mingw32-windres >/dev/null 2>&1") == 0; }

TEST(ProjectWindres, GeneratedResourceScriptCompiles) {
  if (!HaveWindres()) GTEST_SKIP() << "i686-w64-mingw32-windres is not installed";
  char dirTemplate[] = "/tmp/quillet_rc_XXXXXX";
  ASSERT_NE(mkdtemp(dirTemplate), nullptr);
  const std::string dir = dirTemplate;

  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.cursors = {ResourceEntry{"IDC_CURSOR1", "hand.cur", nullptr}, ResourceEntry{"IDC_WAIT", "cur\\ソ.cur", nullptr}};
  s.bitmaps = {ResourceEntry{"IDB_BITMAP1", "bmp\\back.bmp", nullptr}, ResourceEntry{"IDB_BACK", "表.bmp", nullptr}};
  s.icons = {ResourceEntry{"IDI_ICON1", "Demo.ico", nullptr}, ResourceEntry{"IDI_ICON2", "art\\new\\a.ico", nullptr},
             ResourceEntry{"IDI_ICON3", "能.ico", nullptr}};
  for (const auto& e : s.cursors) Write(dir + "/" + e.path, IconFile(2));
  for (const auto& e : s.bitmaps) Write(dir + "/" + e.path, BitmapFile());
  for (const auto& e : s.icons) Write(dir + "/" + e.path, IconFile(1));
  Write(dir + "/Demo.rc", BuildResourceScript(s));

  const std::string command = "cd '" + dir + "' && i686-w64-mingw32-windres -i Demo.rc -O coff -o Demo.o 2>windres.err";
  const int status = std::system(command.c_str());
  std::ifstream err(dir + "/windres.err");
  const std::string messages((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << messages;
  EXPECT_EQ(messages, "");  // no "unrecognized escape sequence" either
  std::ifstream object(dir + "/Demo.o", std::ios::binary | std::ios::ate);
  EXPECT_GT(static_cast<long>(object.tellg()), 7 * 64L);

  if (std::system(("rm -rf '" + dir + "'").c_str()) != 0) ADD_FAILURE() << "could not remove " << dir;
}

}  // namespace
