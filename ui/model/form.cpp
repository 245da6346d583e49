#include "ui/model/form.h"

#include <utility>

namespace ui {

TForm::TForm(base::TComponent* owner) : TWinControl(owner) {
  parent_font = false;
}

TForm::~TForm() {
  // The window on screen refers to the controls, which the base destroys:
  // views go before the models they show.
  MarkDestroying();
  host_.reset();
}

FormHost* TForm::Host() const {
  if (!host_ && host_maker_) host_ = std::exchange(host_maker_, nullptr)();
  return host_.get();
}

void TForm::Show() {
  // The host first: made now, it has the window hidden.
  FormHost* host = Host();
  if (!visible) Showing();
  if (host) {
    host->Show();
  } else {
    visible = true;
  }
}

void TForm::Hide() {
  if (host_) {
    host_->Hide();
  } else {
    visible = false;
  }
}

void TForm::Close() {
  if (host_) {
    host_->Close();
  } else {
    visible = false;
  }
}

void TForm::StartMoveByCaption() {
  if (host_) host_->StartMoveByCaption();
}

const resources::ClassInfo& TControlScrollBar::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::BoolProperty<&TControlScrollBar::visible>("Visible"),
  };
  static const resources::ClassInfo info{"TControlScrollBar", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& TForm::Class() {
  static constexpr resources::NamedValue kBorderStyles[] = {{"bsNone", 0},       {"bsSingle", 1},
                                                            {"bsSizeable", 2},   {"bsDialog", 3},
                                                            {"bsToolWindow", 4}, {"bsSizeToolWin", 5}};
  static constexpr resources::NamedValue kBorderIcons[] = {{"biSystemMenu", biSystemMenu},
                                                           {"biMinimize", biMinimize},
                                                           {"biMaximize", biMaximize},
                                                           {"biHelp", biHelp}};
  static constexpr resources::NamedValue kPositions[] = {
      {"poDesigned", 0},     {"poDefault", 1},       {"poDefaultPosOnly", 2}, {"poDefaultSizeOnly", 3},
      {"poScreenCenter", 4}, {"poDesktopCenter", 5}, {"poMainFormCenter", 6}, {"poOwnerFormCenter", 7}};
  static const resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TForm::caption>("Caption"),
      resources::IntegerProperty<&TForm::client_width>("ClientWidth"),
      resources::IntegerProperty<&TForm::client_height>("ClientHeight"),
      resources::EnumProperty<&TForm::border_style>("BorderStyle", kBorderStyles),
      resources::SetProperty<&TForm::border_icons>("BorderIcons", kBorderIcons),
      resources::EnumProperty<&TForm::position>("Position", kPositions),
      resources::BoolProperty<&TForm::old_create_order>("OldCreateOrder"),
      resources::IntegerProperty<&TForm::pixels_per_inch>("PixelsPerInch"),
      resources::IntegerProperty<&TForm::text_height>("TextHeight"),
      resources::ObjectProperty<&TForm::horz_scroll_bar>("HorzScrollBar"),
      resources::ObjectProperty<&TForm::vert_scroll_bar>("VertScrollBar"),
  };
  static const resources::ClassInfo info{"TForm", &TWinControl::Class(), kProperties, {}, {}, nullptr};
  return info;
}

void TForm::VisitLengths(const LengthVisitor& visit) {
  TWinControl::VisitLengths(visit);
  visit(client_width, LengthKind::kLength);
  visit(client_height, LengthKind::kLength);
}

}  // namespace ui
