#pragma once
// A generated Japanese text for the charset benchmarks: prose lines and code
// lines with Japanese comments, CR LF line ends, Shift-JIS. Only JIS X 0208
// characters that every converter maps alike, so iconv reads and writes the
// same text in all four encodings.
#include <cstddef>
#include <random>
#include <string>

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
