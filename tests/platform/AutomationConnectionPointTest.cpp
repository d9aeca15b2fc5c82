#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/automation/ConnectionPoint.h"

namespace vesk {
namespace {

// Records every event it receives as "name:dispid(arg,arg,...)" with the arguments in call order.
class RecordingSink : public RefCounted, public IDispatch {
public:
    RecordingSink(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {}
    VESK_IUNKNOWN_IMPL(RecordingSink, IDispatch)
    HRESULT GetTypeInfoCount(uint32_t*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(const IID&, const OLECHAR* const*, uint32_t, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, const IID&, LCID, uint16_t flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                   uint32_t*) override {
        std::string entry = name_ + ":" + std::to_string(id) + (flags == DISPATCH_METHOD ? "(" : "?(");
        for (uint32_t i = 0; i < params->cArgs; ++i) {
            entry += (i ? "," : "") + Variant(params->rgvarg[params->cArgs - 1 - i]).ToUtf8();
        }
        log_->push_back(entry + ")");
        if (onEvent) onEvent();
        return S_OK;
    }
    std::function<void()> onEvent;

private:
    std::string name_;
    std::vector<std::string>* log_;
};

// An object with one outgoing interface, reachable the way hosts find it.
class Source : public RefCounted, public IConnectionPointContainer {
public:
    static constexpr IID kEvents{0xE0E0, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    VESK_IUNKNOWN_IMPL(Source, IConnectionPointContainer)
    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** out) override {
        if (iid != kEvents) return CONNECT_E_NOCONNECTION;
        return ComPtr<IConnectionPoint>(point.get()).CopyTo(out);
    }
    ComPtr<ConnectionPoint> point = MakeCom<ConnectionPoint>(kEvents);
};

class Events : public testing::Test {
protected:
    ComPtr<RecordingSink> Sink(const std::string& name) { return MakeCom<RecordingSink>(name, &log); }
    std::vector<std::string> log;
    ComPtr<Source> source = MakeCom<Source>();
    ConnectionPoint& point = *source->point;
};

TEST_F(Events, FiresInAdviseOrderWithArgumentsInCallOrder) {
    auto a = Sink("a"), b = Sink("b");
    uint32_t first = AdviseSink(source.get(), Source::kEvents, a.get());
    uint32_t second = AdviseSink(source.get(), Source::kEvents, b.get());
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    point.Fire(7, {Variant::I4(1), Variant::String("x"), Variant::R8(2.5)});
    EXPECT_EQ(log, (std::vector<std::string>{"a:7(1,x,2.5)", "b:7(1,x,2.5)"}));

    log.clear();
    UnadviseSink(source.get(), Source::kEvents, first);
    point.Fire(8);
    EXPECT_EQ(log, (std::vector<std::string>{"b:8()"}));
    EXPECT_EQ(point.Unadvise(first), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(AdviseSink(source.get(), IID{}, a.get()), 0u);  // no such outgoing interface
}

TEST_F(Events, ChangesDuringAnEventApplyToTheNextOne) {
    auto a = Sink("a"), late = Sink("late");
    uint32_t cookie = 0;
    ASSERT_EQ(point.Advise(a.get(), &cookie), S_OK);
    a->onEvent = [&] {
        point.Unadvise(cookie);
        uint32_t lateCookie;
        point.Advise(late.get(), &lateCookie);
        a->onEvent = nullptr;
    };
    point.Fire(1);
    point.Fire(2);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1()", "late:2()"}));
    EXPECT_EQ(point.SinkCount(), 1u);
}

TEST_F(Events, SinkMustBeADispatchObject) {
    uint32_t cookie = 5;
    EXPECT_EQ(point.Advise(source.get(), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    IID iid{};
    EXPECT_EQ(point.GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, Source::kEvents);
}

TEST(EventArgInt, ReadsArgumentsInCallOrderWithConversion) {
    VARIANT args[3];
    Variant last = Variant::String("12"), middle = Variant::R8(2.5), first = Variant::Bool(true);
    args[0] = last;
    args[1] = middle;
    args[2] = first;
    DISPPARAMS params{args, nullptr, 3, 0};
    EXPECT_EQ(EventArgInt(&params, 0), -1);
    EXPECT_EQ(EventArgInt(&params, 1), 2);
    EXPECT_EQ(EventArgInt(&params, 2), 12);
    EXPECT_EQ(EventArgInt(&params, 3, 42), 42);
    EXPECT_EQ(EventArgInt(nullptr, 0, 7), 7);
}

}  // namespace
}  // namespace vesk
