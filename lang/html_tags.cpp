#include "lang/html_tags.h"

#include "lang/text_fold.h"

namespace {

// Sorted by first letter; lookup only walks the names of one letter.
const char* const kTags[] = {
    "a", "abbr", "acronym", "address", "applet", "area",
    "b", "base", "basefont", "bdo", "bgsound", "big", "blink", "blockquote", "body", "br", "button",
    "caption", "center", "cite", "code", "col", "colgroup", "comment",
    "dd", "del", "dfn", "dir", "div", "dl", "dt",
    "em", "embed",
    "fieldset", "font", "form", "frame", "frameset",
    "h1", "h2", "h3", "h4", "h5", "h6", "head", "hr", "html",
    "i", "iframe", "ilayer", "img", "input", "ins", "isindex",
    "kbd", "keygen",
    "label", "layer", "legend", "li", "link", "listing",
    "map", "marquee", "menu", "meta", "multicol",
    "nobr", "noembed", "noframes", "nolayer", "noscript",
    "object", "ol", "optgroup", "option",
    "p", "param", "plaintext", "pre",
    "q",
    "rb", "rp", "rt", "ruby",
    "s", "samp", "script", "select", "server", "small", "span", "strike", "strong", "style", "sub", "sup",
    "table", "tbody", "td", "textarea", "tfoot", "th", "thead", "title", "tr", "tt",
    "u", "ul",
    "var",
    "wbr",
    "xmp",
};
constexpr int kTagCount = sizeof(kTags) / sizeof(kTags[0]);
static_assert(kTagCount == 112, "the tag table holds 112 names");

struct AttributeRow {
  const char* tag;
  const char* const* attrs;  // null-terminated
  bool common;
};

#define ATTRS(name, ...) const char* const name[] = {__VA_ARGS__, nullptr}
ATTRS(kA, "href", "name", "target");
ATTRS(kApplet, "alt", "archive", "code", "codebase", "mayscript", "object", "src", "align", "height",
      "hspace", "vspace", "width");
ATTRS(kArea, "shape", "coords", "href", "alt", "accesskey", "nohref", "hreflang", "methods", "rel", "rev",
      "tabindex", "target");
ATTRS(kBase, "href", "target");
ATTRS(kFontLike, "size", "color", "face");
ATTRS(kBgsound, "balance", "loop", "src", "volume");
ATTRS(kCite, "cite");
ATTRS(kBody, "text", "link", "vlink", "alink", "bgcolor", "background", "bgproperties", "marginheight",
      "marginwidth", "topmargin", "leftmargin", "bottommargin", "rightmargin", "scroll");
ATTRS(kBr, "/", "clear");
ATTRS(kButton, "accesskey", "disabled", "tabindex", "type", "value");
ATTRS(kCaption, "align", "valign");
ATTRS(kCol, "align", "bgcolor", "char", "charoff", "span", "valign", "width");
ATTRS(kDel, "cite", "datetime");
ATTRS(kAlign, "align");
ATTRS(kCompact, "compact");
ATTRS(kEmbed, "src", "align", "height", "width", "hspace", "vspace", "compact", "units", "border",
      "frameborder", "hidden", "alt", "code", "codebase", "type", "palette", "pluginspage", "pluginurl",
      "autostart", "autoplay", "control", "loop", "repeat", "textfocus");
ATTRS(kForm, "action", "method", "target", "accept", "accept-charset", "autocomplete", "enctype", "urn");
ATTRS(kFrame, "src", "height", "width", "bordercolor", "frameborder", "marginheight", "marginwidth",
      "noresize", "longdesc", "scrolling", "allowtransparency");
ATTRS(kFrameset, "border", "bordercolor", "cols", "frameborder", "framespacing", "rows");
ATTRS(kHr, "/", "align", "color", "noshade", "size", "width");
ATTRS(kIframe, "src", "align", "height", "width", "hspace", "vspace", "marginheight", "marginwidth",
      "border", "bordercolor", "frameborder", "framespacing", "longdesc", "scrolling");
ATTRS(kImg, "src", "alt", "height", "width", "align", "border", "galleryimg", "hspace", "longdesc",
      "lowsrc", "suppress", "vspace", "ismap", "usemap", "controls", "dynsrc", "loop", "start");
ATTRS(kInput, "accesskey", "disabled", "tabindex", "type", "autocomplete", "istyle", "maxlength",
      "readonly", "value", "accept", "checked", "align", "alt", "border", "dynsrc", "height", "ismap",
      "lowsrc", "src", "width");
ATTRS(kLabel, "accesskey", "for");
ATTRS(kLegend, "accesskey", "align");
ATTRS(kLi, "type", "value");
ATTRS(kLink, "rel", "href", "src", "charset", "media", "type");
ATTRS(kMarquee, "behavior", "bgcolor", "direction", "height", "hspace", "loop", "scrollamount",
      "scrolldelay", "truespeed", "vspace", "width");
ATTRS(kMeta, "name", "http-equiv", "content");
ATTRS(kObject, "alt", "archive", "border", "classid", "code", "codebase", "codetype", "data", "declare",
      "name", "standby", "tabindex", "type", "usemap", "align", "width", "height", "hspace", "vspace");
ATTRS(kOl, "compact", "start", "type");
ATTRS(kOption, "disabled", "label", "selected", "value");
ATTRS(kParam, "name", "value", "valuetype", "type");
ATTRS(kPre, "cols", "width", "wrap");
ATTRS(kScript, "charset", "defer", "event", "for", "src", "type");
ATTRS(kSelect, "accesskey", "align", "disabled", "multiple", "size", "tabindex");
ATTRS(kStyle, "disabled", "media", "type");
ATTRS(kTable, "border", "bordercolor", "bordercolordark", "bordercolorlight", "frame", "rules",
      "background", "bgcolor", "align", "cellpadding", "cellspacing", "height", "hspace", "vspace", "width",
      "cols", "summary");
ATTRS(kTbodyLike, "align", "bgcolor", "char", "charoff", "valign");
ATTRS(kCell, "bordercolor", "bordercolordark", "bordercolorlight", "background", "bgcolor", "align",
      "valign", "height", "width", "nowrap", "char", "charoff", "colspan", "rowspan", "abbr", "axis",
      "headers", "scope");
ATTRS(kTextarea, "accesskey", "align", "cols", "istyle", "readonly", "rows", "wrap", "tabindex");
ATTRS(kTr, "bordercolor", "bordercolordark", "bordercolorlight", "bgcolor", "align", "char", "charoff",
      "height", "valign");
ATTRS(kUl, "compact", "type");
ATTRS(kNone, nullptr);
#undef ATTRS

const AttributeRow kRows[] = {
    {"a", kA, true},
    {"applet", kApplet, true},
    {"area", kArea, true},
    {"base", kBase, false},
    {"basefont", kFontLike, true},
    {"bgsound", kBgsound, true},
    {"blockquote", kCite, true},
    {"body", kBody, true},
    {"br", kBr, true},
    {"button", kButton, true},
    {"caption", kCaption, true},
    {"col", kCol, true},
    {"colgroup", kCol, true},
    {"del", kDel, true},
    {"div", kAlign, true},
    {"dl", kCompact, true},
    {"embed", kEmbed, true},
    {"fieldset", kAlign, true},
    {"font", kFontLike, true},
    {"form", kForm, true},
    {"frame", kFrame, true},
    {"frameset", kFrameset, true},
    {"h1", kAlign, true},
    {"h2", kAlign, true},
    {"h3", kAlign, true},
    {"h4", kAlign, true},
    {"h5", kAlign, true},
    {"h6", kAlign, true},
    {"hr", kHr, true},
    {"iframe", kIframe, true},
    {"img", kImg, true},
    {"input", kInput, true},
    {"ins", kDel, true},
    {"label", kLabel, true},
    {"legend", kLegend, true},
    {"li", kLi, true},
    {"link", kLink, true},
    {"marquee", kMarquee, true},
    {"meta", kMeta, true},
    {"object", kObject, true},
    {"ol", kOl, true},
    {"option", kOption, true},
    {"p", kAlign, true},
    {"param", kParam, true},
    {"pre", kPre, true},
    {"script", kScript, true},
    {"select", kSelect, true},
    {"style", kStyle, true},
    {"table", kTable, true},
    {"tbody", kTbodyLike, true},
    {"td", kCell, true},
    {"textarea", kTextarea, true},
    {"tfoot", kTbodyLike, true},
    {"th", kCell, true},
    {"thead", kTbodyLike, true},
    {"title", kNone, false},
    {"tr", kTr, true},
    {"ul", kUl, true},
};

// First index in kTags of each letter a..z, and the end of the table.
struct LetterIndex {
  int first[27];
  LetterIndex() {
    int t = 0;
    for (int letter = 0; letter < 26; ++letter) {
      first[letter] = t;
      while (t < kTagCount && kTags[t][0] == 'a' + letter) ++t;
    }
    first[26] = kTagCount;
  }
};

// Index of the tag in kTags, or -1.
int FindTag(std::string_view name) {
  static const LetterIndex index;
  if (name.empty()) return -1;
  unsigned char first = lang::FoldCase(static_cast<unsigned char>(name[0]));
  if (first < 'a' || first > 'z') return -1;
  for (int i = index.first[first - 'a']; i < index.first[first - 'a' + 1]; ++i) {
    if (lang::EqualsNoCase(kTags[i], name)) return i;
  }
  return -1;
}

}  // namespace

int HtmlTagCount() { return kTagCount; }

int IsHtmlTag(std::string_view name) { return FindTag(name) >= 0 ? 1 : 0; }

bool FindHtmlTagAttributes(std::string_view tag, HtmlTagAttributes& out) {
  out = HtmlTagAttributes();
  const int t = FindTag(tag);
  if (t < 0) return false;
  static const char* const kNoNames[] = {nullptr};
  out.names = kNoNames;
  for (const AttributeRow& row : kRows) {
    if (!lang::EqualsNoCase(row.tag, kTags[t])) continue;
    out.names = row.attrs;
    out.common = row.common;
    break;
  }
  return true;
}
