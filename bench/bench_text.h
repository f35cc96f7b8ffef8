#pragma once
// Generated Shift-JIS inputs of the benchmark programs (CR LF line ends,
// whole lines only). Header-only: every bench/*.cpp is its own program.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

// A small fixed-seed generator, so that every run and every program sees the
// same text.
struct BenchLcg {
  uint64_t s = 0x9E3779B97F4A7C15ull;
  uint32_t Next() {
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(s >> 33);
  }
};

struct DialectShape {
  // Runs of spaces before a comment and a line of about 90 bytes (for the
  // TAB conversions and wrapping).
  bool wideLines = false;
  // A two-line block comment every 40 lines (for the comment states of colouring).
  bool blockComments = false;
};

// Statements of the dialect with Japanese comments and strings, about 35
// bytes a line, numbered so that no two lines are alike.
inline std::string MakeDialectSource(size_t bytes, DialectShape shape = {}) {
  static const char* const kLines[] = {
      "\tDim count%d As Long ' 件数を数える\r\n",
      "\tIf value%d > 0 Then ' 正の値なら表示\r\n",
      "\t\tPrint \"ソース%d\" ' 能力の表\r\n",
      "\tEnd If\r\n",
      "' ここからメイン処理 その%d\r\n",
      "\tbuf%d = Left$(text, 10) + \"。\"\r\n",
  };
  static const char* const kWidePrint = "\t\tPrint \"ソース%d\"    ' 能力の表\r\n";
  static const char* const kWideComment =
      "' ここからメイン処理 その%d  and some words to wrap around the line limit of the text\r\n";
  static const char* const kBlockComment[] = {"/* ここからメイン処理 その%d\r\n", "   説明の続き */ x = 1\r\n"};
  std::string s;
  s.reserve(bytes + 128);
  char line[160];
  for (int i = 0; s.size() < bytes; ++i) {
    const int k = i % 6;
    const char* format = kLines[k];
    if (shape.wideLines && k == 2) format = kWidePrint;
    if (shape.wideLines && k == 4) format = kWideComment;
    if (shape.blockComments && i % 40 >= 36 && i % 40 < 38) format = kBlockComment[i % 40 - 36];
    const int n = std::snprintf(line, sizeof line, format, i);
    s.append(line, static_cast<size_t>(n));
  }
  return s;
}

// Appends a program of classes and procedures until `t` holds `bytes`: each
// class (in inheritance chains of up to 8) has six methods with bodies and
// two fields, and is followed by four procedures with parameters, Dims,
// If/For blocks, comments and a block comment; with `globals`, by a global
// Dim of the class too. Returns the number of classes.
inline int AppendClassProgram(std::string& t, size_t bytes, bool globals) {
  int classes = 0;
  int procs = 0;
  while (t.size() < bytes) {
    const std::string c = "Class" + std::to_string(classes);
    t += "Class " + c + "\r\n";
    if (classes % 8 != 0) t += "  Inherits Class" + std::to_string(classes - 1) + "\r\n";
    t += "Public\r\n";
    for (int m = 0; m < 6; ++m) {
      t += "  Function Method" + std::to_string(m) + "(a As Long, b As String) As Long ' m\r\n";
      t += "    Dim tmp As Long\r\n    tmp = a * 2 : Method" + std::to_string(m) + " = tmp\r\n";
      t += "  End Function\r\n";
    }
    t += "Private\r\n  value" + std::to_string(classes) + " As Long\r\n  name As String\r\n";
    t += "End Class\r\n\r\n";
    for (int p = 0; p < 4; ++p, ++procs) {
      t += "Sub Proc" + std::to_string(procs) + "(x As Long, ByRef y As " + c + ")\r\n";
      t += "  Dim i As Long, s As String\r\n  Dim obj As " + c + "\r\n";
      t += "  For i = 1 To 10\r\n    If x > i Then\r\n      s = s + \"a:b\" ' コメント\r\n";
      t += "    End If\r\n  Next\r\n  /* block\r\n     comment */\r\nEnd Sub\r\n";
    }
    if (globals) t += "Dim g" + std::to_string(classes) + " As " + c + "\r\n";
    ++classes;
  }
  return classes;
}

// Appends library declarations (continued Declare Function lines) until `t`
// holds `bytes`.
inline void AppendDeclares(std::string& t, size_t bytes) {
  for (int d = 0; t.size() < bytes; ++d) {
    t += "Declare Function Api" + std::to_string(d) + " Lib \"user32\" Alias \"Api" + std::to_string(d) +
         "A\" (hWnd As DWORD, _\r\n    lpText As String, uType As DWORD) As Long\r\n";
  }
}

// BASIC source for find and replace: Japanese comments and statements, lines
// of 10-50 bytes, "Dim x As Long" on 1 line in 2500, a procedure header with
// "As Long" on 1 in 100 (about 400 "As Long" per MB), and the rare
// "致命的な障害" on 1 line in 100,000.
inline std::string MakeSearchCorpus(size_t bytes) {
  static const char* const comments[] = {
      "' 表示処理を開始する前に設定を読み込む", "' ソースの能力を確認します", "' ウィンドウを作成して表示する",
      "' 文字列を整形してバッファに格納", "' エラーが発生した場合は終了する", "' 画面の再描画を予約"};
  static const char* const statements[] = {
      "    x = x + 1 ' 加算", "    If n > 0 Then ' 正の値", "    Print \"表示しました\"", "    Dim s As String ' 文字列",
      "End Function", "    Call ShowWindow(hWnd, SW_SHOW)", "    y = Len(s) * 2 ' 長さの計算", "Next i"};
  std::string t;
  t.reserve(bytes + 256);
  BenchLcg rng;
  while (t.size() < bytes) {
    const uint32_t r = rng.Next() % 100000;
    if (r < 40) {
      t += "    Dim x As Long ' カウンタ";
    } else if (r < 1050) {
      t += "Sub Proc" + std::to_string(r) + "(ByVal n As Long) ' 手続き";
    } else if (r < 1051) {
      t += "    ' 致命的な障害を記録する";
    } else if (r < 40000) {
      t += comments[r % 6];
    } else {
      t += statements[r % 8];
    }
    t += "\r\n";
  }
  return t;
}

// Japanese prose lines and code lines with Japanese comments, for the
// character-set benchmarks. Only JIS X 0208 characters that every converter
// maps alike, so iconv reads and writes the same text in all four encodings.
inline std::string MakeJapaneseText(size_t bytes, unsigned seed = 20240607) {
  static const char* const kPhrases[] = {
      "今日は", "天気が", "良いので", "散歩に", "出かけました。", "プログラムの", "設定ファイルを",
      "読み込んで", "ウィンドウを", "表示します。", "文字コードは", "自動的に", "判定されます",
      "東京都", "大阪府", "日本語", "漢字", "ひらがな", "カタカナ", "変換", "検索と置換",
      "保存しました", "、", "。", "「注意」", "（例）", "第１章", "ＡＢＣ", "１２３", "※",
      "森鴎外", "夏目漱石", "吾輩は猫である", "名前はまだ無い", "どこで生れたか", "とんと見当がつかぬ"};
  static const char* const kCode[] = {
      "Dim 件数 As Long = 0", "For i = 1 To 100", "Next i", "If 結果 = 0 Then Exit Sub",
      "Print \"完了しました\"", "' コメント：ここで初期化する", "Sub MainWnd_Create(hwnd As HWND)",
      "End Sub", "x = y + 1", "MessageBox(hwnd, \"エラー\", \"確認\", MB_OK)"};
  std::mt19937 rng(seed);
  std::uniform_int_distribution<size_t> phrase(0, sizeof kPhrases / sizeof *kPhrases - 1);
  std::uniform_int_distribution<size_t> code(0, sizeof kCode / sizeof *kCode - 1);
  std::uniform_int_distribution<int> kind(0, 3), words(4, 14);
  std::string text;
  text.reserve(bytes + 256);
  while (text.size() < bytes) {
    if (kind(rng) == 0) {
      text += kCode[code(rng)];
    } else {
      for (int w = words(rng); w > 0; --w) text += kPhrases[phrase(rng)];
    }
    text += "\r\n";
  }
  // Cut at a line end so that the text stays whole characters.
  size_t cut = text.rfind("\r\n", bytes);
  text.resize(cut == std::string::npos ? 0 : cut + 2);
  return text;
}
