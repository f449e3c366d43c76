#pragma once

#include "platform/WindowService.h"

#include <string>
#include <vector>

namespace vesperon::testing {

// Windows that only remember what was done to them. Every window created stays in `windows`
// (as a record) after its owner drops it.
class FakeWindowService : public WindowService {
public:
    struct Record {
        Rect createdWith;
        Rect frame;
        bool visible = false;
        bool destroyed = false;
        std::vector<std::string> calls;
    };

    std::unique_ptr<PlatformWindow> createBlackoutWindow(const Rect& frame) override
    {
        records.push_back(std::make_shared<Record>(Record{frame, frame, false, false, {}}));
        return std::make_unique<Window>(records.back());
    }

    std::size_t visibleCount() const
    {
        std::size_t n = 0;
        for (const auto& r : records)
            n += r->visible && !r->destroyed;
        return n;
    }

    std::vector<std::shared_ptr<Record>> records;

private:
    class Window : public PlatformWindow {
    public:
        explicit Window(std::shared_ptr<Record> record) : record_(std::move(record)) {}
        ~Window() override { record_->destroyed = true; }
        void setFrame(const Rect& frame) override
        {
            record_->frame = frame;
            record_->calls.push_back("setFrame");
        }
        void orderFront() override
        {
            record_->visible = true;
            record_->calls.push_back("orderFront");
        }
        void orderOut() override
        {
            record_->visible = false;
            record_->calls.push_back("orderOut");
        }
        bool isVisible() const override { return record_->visible; }
        Rect frame() const override { return record_->frame; }

    private:
        std::shared_ptr<Record> record_;
    };
};

} // namespace vesperon::testing
