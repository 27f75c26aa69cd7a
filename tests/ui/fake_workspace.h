#pragma once

#include "obdata/quorvantdoc.h"
#include "views/ui/unitview.h"
#include "workspace/ui/workspace.h"

#include <QAction>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

namespace quorvant::testing {

// What a feature sees of the main window, without one: documents open as bare views, commands made
// on first use, and the status messages kept for the test to read.
class FakeWorkspace : public ui::Workspace {
  public:
    explicit FakeWorkspace(const AppSettings& settings) : settings_(settings) {}

    const AppSettings& Settings() const override { return settings_; }
    QWidget* Window() override { return &window_; }
    ui::CUnitView* ActiveView() const override { return active_; }
    ui::CUnitView* OpenDocument(const QString& path) override {
        if (ui::CUnitView* open = OpenView(path)) return active_ = open;
        auto doc = std::make_unique<CQuorvantDoc>();
        if (!doc->OnOpenDocument(path.toStdString())) return nullptr;
        auto view = std::make_unique<ui::CUnitView>(*doc, &window_);
        active_ = view.get();
        documents_.push_back({std::move(doc), std::move(view)});
        return active_;
    }
    ui::CUnitView* OpenView(const QString& path) const override {
        std::error_code ec;
        for (const Document& d : documents_)
            if (std::filesystem::equivalent(d.doc->PathName(), path.toStdString(), ec)) return d.view.get();
        return nullptr;
    }
    void Activate(ui::CUnitView* view) override { active_ = view; }
    QAction* Command(int command) const override {
        std::unique_ptr<QAction>& a = commands_[command];
        if (!a) a = std::make_unique<QAction>();
        return a.get();
    }
    void ShowStatusMessage(const QString& text) override { messages.push_back(text); }
    void UpdateCommandStates() override {}

    std::vector<QString> messages;

  private:
    struct Document {
        std::unique_ptr<CQuorvantDoc> doc;
        std::unique_ptr<ui::CUnitView> view;
    };
    AppSettings settings_;
    QWidget window_;
    std::vector<Document> documents_;
    ui::CUnitView* active_ = nullptr;
    mutable std::map<int, std::unique_ptr<QAction>> commands_;
};

} // namespace quorvant::testing
