#include "about/fm_about.h"

namespace about {

void TfmAbout::Loaded() {
  TForm::Loaded();
  FindMember("Panel1", Panel1);
  FindMember("laButtomClose", laButtomClose);
  FindMember("me", me);
  FindMember("laLink1", laLink1);
  FindMember("laLink2", laLink2);
}

void TfmAbout::laButtomCloseMouseEnter(base::TComponent*) {
  handled.emplace_back("laButtomCloseMouseEnter");
}
void TfmAbout::laButtomCloseMouseLeave(base::TComponent*) {
  handled.emplace_back("laButtomCloseMouseLeave");
}
void TfmAbout::laButtomCloseClick(base::TComponent*) {
  handled.emplace_back("laButtomCloseClick");
}
void TfmAbout::laLink1MouseEnter(base::TComponent*) {
  handled.emplace_back("laLink1MouseEnter");
}
void TfmAbout::laLink1MouseLeave(base::TComponent*) {
  handled.emplace_back("laLink1MouseLeave");
}
void TfmAbout::FormMouseDown(base::TComponent*, ui::TMouseButton, std::uint32_t, int, int) {
  handled.emplace_back("FormMouseDown");
}
void TfmAbout::laLink2Click(base::TComponent*) {
  handled.emplace_back("laLink2Click");
}
void TfmAbout::laLink1Click(base::TComponent*) {
  handled.emplace_back("laLink1Click");
}

const resources::ClassInfo& TfmAbout::Class() {
  static const resources::MethodInfo kMethods[] = {
      resources::PublishedMethod<&TfmAbout::laButtomCloseMouseEnter>("laButtomCloseMouseEnter"),
      resources::PublishedMethod<&TfmAbout::laButtomCloseMouseLeave>("laButtomCloseMouseLeave"),
      resources::PublishedMethod<&TfmAbout::laButtomCloseClick>("laButtomCloseClick"),
      resources::PublishedMethod<&TfmAbout::laLink1MouseEnter>("laLink1MouseEnter"),
      resources::PublishedMethod<&TfmAbout::laLink1MouseLeave>("laLink1MouseLeave"),
      resources::PublishedMethod<&TfmAbout::FormMouseDown>("FormMouseDown"),
      resources::PublishedMethod<&TfmAbout::laLink2Click>("laLink2Click"),
      resources::PublishedMethod<&TfmAbout::laLink1Click>("laLink1Click"),
  };
  static const resources::ClassInfo info{"TfmAbout", &ui::TForm::Class(), {}, {}, kMethods, nullptr};
  return info;
}

}  // namespace about
