#pragma once
// The splash window shown while the master vault loads.

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "itemdb/vault_reader.h"

namespace davoruzivi::ui {

class SplashScreen final : public QWidget {
  Q_OBJECT

 public:
  explicit SplashScreen(QWidget* parent = nullptr);

  QLabel* Title() const { return title_; }
  QLabel* Loading() const { return loading_; }
  QProgressBar* Bar() const { return bar_; }

 private:
  QLabel* title_;    // SplashTitle
  QLabel* loading_;  // Loading
  QProgressBar* bar_;  // PBar
};

// Shows the load's progress on a splash window, repainting at each step.
class SplashProgress final : public VaultLoadProgress {
 public:
  explicit SplashProgress(SplashScreen& splash) : splash_(splash) {}

  void ShowStage(std::string_view label) override;
  void ShowItemsRead(std::string_view label, int percent) override;
  void Finish() override;

 private:
  SplashScreen& splash_;
};

}  // namespace davoruzivi::ui
