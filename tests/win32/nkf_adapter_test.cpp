// nkf32.dll through its exports, as the program reaches it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "files/nkf_adapter.h"
#include "test_support.h"

namespace {

class NkfDll : public ::testing::Test {
 protected:
  void TearDown() override { NkfFree(); }
};

template <class T>
T Proc(HMODULE m, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(m, name)));
}

}  // namespace

TEST_F(NkfDll, ExportsEveryEntryPointUndecorated) {
  const std::string path = TestProgramDir() + "Ancillar\\nkf32.dll";
  HMODULE m = LoadLibraryA(path.c_str());
  ASSERT_NE(m, nullptr) << path;
  for (const char* name : {"GetNkfVersion", "SetNkfOption", "NkfConvert", "NkfGetKanjiCode", "NkfGetLastResult",
                           "NkfGuessCode", "NkfConvertSized"}) {
    EXPECT_NE(GetProcAddress(m, name), nullptr) << name;
  }
  // The classic sequence: option, convert, detected code.
  auto setOption = Proc<SetNkfOptionProc>(m, "SetNkfOption");
  auto convert = Proc<NkfConvertProc>(m, "NkfConvert");
  auto kanjiCode = Proc<NkfGetKanjiCodeProc>(m, "NkfGetKanjiCode");
  ASSERT_EQ(setOption("-sx"), 0);
  char out[32];
  convert(out, "\xA4\xA2\xB4\xC1");  // EUC あ漢
  EXPECT_STREQ(out, "あ漢");
  EXPECT_EQ(kanjiCode(), 1);
  char version[32];
  Proc<GetNkfVersionProc>(m, "GetNkfVersion")(version);
  EXPECT_LT(std::strlen(version), sizeof version);
  FreeLibrary(m);
}

TEST_F(NkfDll, AdapterReadsAndWritesEveryCharset) {
  ASSERT_TRUE(NkfLoad(TestProgramDir()));
  ASSERT_TRUE(NkfAvailable());
  const std::string text = "漢字とｶﾀｶﾅ、①と\\。\r\n";
  for (Charset cs : {Charset::kShiftJis, Charset::kEuc, Charset::kJis, Charset::kUtf8}) {
    NkfEncoded e = NkfEncodeFromSjis(text, cs);
    ASSERT_TRUE(e.ok) << static_cast<int>(cs);
    EXPECT_EQ(e.lost, 0u);
    NkfDecoded d = NkfDecodeToSjis(e.bytes);
    EXPECT_EQ(d.text, text) << static_cast<int>(cs);
    EXPECT_EQ(d.charset, cs);
  }
  NkfFree();
  EXPECT_FALSE(NkfAvailable());
}

TEST_F(NkfDll, MissingDllIsReported) {
  const std::string empty = MakeTempFolder("nonkf");
  EXPECT_FALSE(NkfLoad(empty));
  RemoveTree(empty);
  EXPECT_FALSE(NkfAvailable());
  NkfDecoded d = NkfDecodeToSjis("\xA4\xA2");
  EXPECT_TRUE(d.converterMissing);
  EXPECT_FALSE(NkfEncodeFromSjis("a", Charset::kUtf8).ok);
}
