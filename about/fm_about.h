// TfmAbout: the About window. Its description names the handlers below; they
// are the hooks its screen behaviour fills (hover colours, the link cursor,
// opening the two web pages, moving the frameless window by a drag). Until
// that side exists each handler records that it ran.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/panel.h"

namespace about {

class TfmAbout : public ui::TForm {
 public:
  explicit TfmAbout(base::TComponent* owner) : TForm(owner) {}

  // The members, found by name once the description has been read.
  ui::TPanel* Panel1 = nullptr;
  ui::TLabel* laButtomClose = nullptr;
  ui::TMemo* me = nullptr;
  ui::TLabel* laLink1 = nullptr;
  ui::TLabel* laLink2 = nullptr;

  // Handler calls in order, by method name (what the stubs do).
  std::vector<std::string> handled;

  void laButtomCloseMouseEnter(base::TComponent* sender);
  void laButtomCloseMouseLeave(base::TComponent* sender);
  void laButtomCloseClick(base::TComponent* sender);
  void laLink1MouseEnter(base::TComponent* sender);
  void laLink1MouseLeave(base::TComponent* sender);
  void FormMouseDown(base::TComponent* sender, ui::TMouseButton button, std::uint32_t shift, int x, int y);
  void laLink2Click(base::TComponent* sender);
  void laLink1Click(base::TComponent* sender);

  void Loaded() override;

  const char* ClassName() const override { return "TfmAbout"; }
  static const resources::ClassInfo& Class();
};

}  // namespace about
