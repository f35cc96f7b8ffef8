// Seeded, time-bounded fuzz runs of every settings and path reader.
// QUILLET_FUZZ_SECONDS sets the time per test (default 0.5 s).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "fuzz_support.h"
#include "files/include_expand.h"
#include "files/paths.h"
#include "shell/settings_keys.h"
#include "shell/settings_lists.h"
#include "shell/settings_load_save.h"

namespace {

const char* const kTokens[] = {
    "TabSize", "EditorFont", "WindowRect", "ProjectViewRect", "RebarBand0", "RebarBand3", "IsNoGripper",
    "LinkFile", "PageStr", "=", "=", ",", ",", ",", "\r\n", "\r\n", "\r", "\n", "", "-", "+", "0x",
    "12", "-19", "400", "99999999999999999999", "e6e6e6", "FFFFFFFFFF", " ", "\t", "表", "ソ", "能",
    "\x81", "\x95", "\xFC", "\xFF", "#include", "#include \"", "<", ">", "\"", "\\", "\\\\", "..\\",
    ".\\", ":", "C:", "a", "txt", "ＭＳ Ｐゴシック",
};

class Generator : public FuzzRandom {
 public:
  using FuzzRandom::FuzzRandom;

  std::string Text() {
    std::string out;
    int pieces = Uniform(0, 200);
    for (int i = 0; i < pieces; ++i) {
      int pick = Uniform(0, 20);
      if (pick == 0) {
        out += static_cast<char>(Uniform(0, 255));
      } else if (pick == 1 && Uniform(0, 50) == 0) {
        out.append(static_cast<size_t>(Uniform(8000, 100000)), Uniform(0, 1) ? 'x' : ',');
      } else {
        const char* t = kTokens[Uniform(0, static_cast<int>(std::size(kTokens)) - 1)];
        out.append(t, t[0] == '\0' ? 1 : std::strlen(t));  // the empty token is a NUL byte
      }
    }
    return out;
  }
};

bool Within(std::string_view part, std::string_view whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

}  // namespace

TEST(SettingsFuzz, KeyReadersStayInsideTheText) {
  RunFuzzWith<Generator>(1000, [](Generator& gen) {
    std::string text = gen.Text();
    for (const char* key : {"TabSize", "EditorFont", "WindowRect", "RebarBand0", "PageStr", "a"}) {
      std::string_view v;
      if (FindIniValue(text, key, v)) {
        EXPECT_TRUE(Within(v, text));
        EXPECT_LE(v.size(), kMaxIniValueBytes);
      }
      int i = 0;
      DWORD h = 0;
      RECT r{};
      RebarBand b{};
      LOGFONTA f{};
      std::string s;
      ReadIniInt(text, key, i);
      ReadIniHex(text, key, h);
      ReadIniRect(text, key, r);
      ReadIniBand(text, key, b);
      if (ReadIniFont(text, key, f)) {
        EXPECT_LT(strnlen(f.lfFaceName, LF_FACESIZE), size_t{LF_FACESIZE});
      }
      if (ReadIniString(text, key, 31, s)) {
        EXPECT_LE(s.size(), 31u);
      }
    }
  });
}

TEST(SettingsFuzz, ListParsersAreBoundedAndStable) {
  RunFuzzWith<Generator>(2000, [](Generator& gen) {
    std::string text = gen.Text();
    ExtensionColourList ext = ParseExtLinkIni(text);
    for (const auto& e : ext) {
      EXPECT_FALSE(e.extension.empty());
      EXPECT_LE(e.extension.size(), 63u);
      EXPECT_LE(e.description.size(), 254u);
    }
    std::string extText = BuildExtLinkIni(ext);
    EXPECT_EQ(BuildExtLinkIni(ParseExtLinkIni(extText)), extText);

    auto domains = ParseDomainIni(text);
    std::string domainText = BuildDomainIni(domains);
    EXPECT_EQ(BuildDomainIni(ParseDomainIni(domainText)), domainText);

    History h{100, {}};
    ParseHistoryIni(text, h);
    EXPECT_LE(h.paths.size(), 14u);
    std::string historyText = BuildHistoryIni(h);
    History back{100, {}};
    ParseHistoryIni(historyText, back);
    EXPECT_EQ(BuildHistoryIni(back), historyText);

    SearchHistory sh = ParseSearchHistoryIni(text);
    for (const auto& e : sh) EXPECT_LE(e.size(), 259u);
    std::string shText = BuildSearchHistoryIni(sh, true);
    EXPECT_EQ(BuildSearchHistoryIni(ParseSearchHistoryIni(shText), true), shText);
  });
}

TEST(SettingsFuzz, EditorIniReachesAFixpointAfterOneRoundTrip) {
  const SettingsDefaultsEnv env{"C:\\Q\\", 1280, 1024};
  RunFuzzWith<Generator>(3000, [&](Generator& gen) {
    std::string text = gen.Text();
    EditorSettings s;
    ParseEditorIni(text, s, env);
    EXPECT_LE(s.PageStr.size(), 255u);
    EXPECT_LE(s.DefSaveDir.size(), 259u);
    std::string once = BuildEditorIni(s);
    EditorSettings again;
    ParseEditorIni(once, again, env);
    EXPECT_EQ(BuildEditorIni(again), once);
  });
}

TEST(SettingsFuzz, WholeLoadSurvivesArbitraryFiles) {
  RunFuzzWith<Generator>(4000, [](Generator& gen) {
    MemorySettingsFiles files;
    for (const char* name : {"editor.ini", "extlink.ini", "domain.ini", "history.ini", "pj_history.ini",
                             "findstr.ini", "permustr.ini", "webstr.ini"}) {
      if (gen.Uniform(0, 3)) files.files[name] = gen.Text();
    }
    SettingsEnv env;
    env.files = &files;
    env.defaults = {"C:\\Q\\", 800, 600};
    EditorSettings s;
    SettingsLoad(s, env);
    MemorySettingsFiles out;
    EXPECT_TRUE(SettingsSave(s, out));
  });
}

TEST(SettingsFuzz, PathRoutinesOnArbitraryText) {
  RunFuzzWith<Generator>(5000, [](Generator& gen) {
    std::string a = gen.Text().substr(0, 600);
    std::string b = gen.Text().substr(0, 600);
    EXPECT_EQ(PathDirectory(a) + PathFileName(a), a);
    std::string ext = PathExtension(a);
    if (!ext.empty()) {
      EXPECT_EQ(ext[0], '.');
    }
    RelativePath(a, b);
    ResolveRelativePath(a, b);
    EXPECT_TRUE(PathEqualsNoCase(a, PathFoldCase(a)));
    EXPECT_LE(TruncateSjis(a, 7).size(), 7u);
  });
}

TEST(SettingsFuzz, IncludeExpansionOnArbitraryText) {
  RunFuzzWith<Generator>(6000, [](Generator& gen) {
    std::string files[3] = {gen.Text(), gen.Text(), gen.Text()};
    int calls = 0;
    IncludeTextSource source = [&](const std::string& path, std::string& text) {
      ++calls;
      if (path.size() % 4 == 0) return false;
      text = files[path.size() % 3];
      return true;
    };
    std::string text = gen.Text();
    std::string out = ExpandIncludes(text, "C:\\b\\", "C:\\Q\\", source);
    if (calls == 0) {
      EXPECT_EQ(out, text);
    }
  });
}
