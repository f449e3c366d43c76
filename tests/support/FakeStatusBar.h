#pragma once

#include "platform/StatusItem.h"

namespace vesperon::testing {

// A tray that keeps the last icon and menu it was given.
class FakeStatusBar : public StatusBar {
public:
    struct State {
        std::string image;
        std::string accessibilityDescription;
        Menu menu;
        int menusSet = 0;
        std::function<void()> willOpen;
    };

    bool isAvailable() const override { return available; }
    std::unique_ptr<StatusItem> createStatusItem() override { return std::make_unique<Item>(state); }

    // What the user sees on opening the menu.
    const Menu& open()
    {
        if (state->willOpen)
            state->willOpen();
        return state->menu;
    }

    bool available = true;
    std::shared_ptr<State> state = std::make_shared<State>();

private:
    class Item : public StatusItem {
    public:
        explicit Item(std::shared_ptr<State> state) : state_(std::move(state)) {}
        void setImage(const std::string& symbol, const std::string& description) override
        {
            state_->image = symbol;
            state_->accessibilityDescription = description;
        }
        void setMenu(const Menu& menu) override
        {
            state_->menu = menu;
            ++state_->menusSet;
        }
        void setMenuWillOpenHandler(std::function<void()> handler) override { state_->willOpen = std::move(handler); }

    private:
        std::shared_ptr<State> state_;
    };
};

} // namespace vesperon::testing
