#include "ui/model/colors.h"

namespace ui {

std::span<const resources::NamedValue> ColorNames() {
  static constexpr resources::NamedValue kNames[] = {
      {"clBlack", clBlack},
      {"clMaroon", 0x000080},
      {"clGreen", 0x008000},
      {"clOlive", 0x008080},
      {"clNavy", 0x800000},
      {"clPurple", 0x800080},
      {"clTeal", 0x808000},
      {"clGray", 0x808080},
      {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},
      {"clLime", 0x00FF00},
      {"clYellow", 0x00FFFF},
      {"clBlue", clBlue},
      {"clFuchsia", 0xFF00FF},
      {"clAqua", 0xFFFF00},
      {"clWhite", clWhite},
      {"clSkyBlue", clSkyBlue},
      {"clScrollBar", SystemColor(0)},
      {"clBackground", SystemColor(1)},
      {"clActiveCaption", SystemColor(2)},
      {"clInactiveCaption", SystemColor(3)},
      {"clMenu", SystemColor(4)},
      {"clWindow", clWindow},
      {"clWindowFrame", SystemColor(6)},
      {"clMenuText", clMenuText},
      {"clWindowText", clWindowText},
      {"clCaptionText", SystemColor(9)},
      {"clActiveBorder", SystemColor(10)},
      {"clInactiveBorder", SystemColor(11)},
      {"clAppWorkSpace", SystemColor(12)},
      {"clHighlight", clHighlight},
      {"clHighlightText", clHighlightText},
      {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow},
      {"clGrayText", SystemColor(17)},
      {"clBtnText", SystemColor(18)},
      {"clInactiveCaptionText", SystemColor(19)},
      {"clBtnHighlight", SystemColor(20)},
      {"cl3DDkShadow", SystemColor(21)},
      {"cl3DLight", SystemColor(22)},
      {"clInfoText", SystemColor(23)},
      {"clInfoBk", clInfoBk},
      {"clNone", 0x1FFFFFFF},
      {"clDefault", 0x20000000},
  };
  return kNames;
}

}  // namespace ui
