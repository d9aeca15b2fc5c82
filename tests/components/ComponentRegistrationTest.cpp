#include <gtest/gtest.h>

#include "components/CdReader.h"
#include "components/ComponentNames.h"
#include "components/ComponentRegistration.h"
#include "components/VeskAudioFile.h"
#include "components/VeskAudioInformation.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "components/VeskAudioTransform.h"
#include "components/WmaCodec.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk {
namespace {

class ComponentRegistration : public testing::Test {
protected:
    ComponentRegistration() { RegisterStockComponents(registry_); }

    // Creates `name` as interface I and checks that it also answers IUnknown with one identity.
    template <class I>
    ComPtr<I> CreateChecked(std::string_view name) {
        ComPtr<I> component = registry_.Create<I>(name);
        EXPECT_TRUE(component) << name;
        if (!component) return component;
        ComPtr<IUnknown> unknown = component.template As<IUnknown>();
        EXPECT_TRUE(unknown) << name;
        EXPECT_EQ(unknown.template As<I>(), component) << name;
        return component;
    }

    ClassRegistry registry_;
};

TEST_F(ComponentRegistration, CreatesTheFiveStartUpComponentsByName) {
    CreateChecked<IVeskAudioInformation>(kVeskAudioInformationName);
    CreateChecked<IVeskAudioFile>(kVeskAudioFileName);
    EXPECT_TRUE(CreateChecked<IVeskAudioPlayer>(kVeskAudioPlayerName).As<IConnectionPointContainer>());
    EXPECT_TRUE(CreateChecked<IVeskAudioRecord>(kVeskAudioRecordName).As<IConnectionPointContainer>());
    EXPECT_TRUE(CreateChecked<IVeskAudioTransform>(kVeskAudioTransformName).As<IConnectionPointContainer>());
}

TEST_F(ComponentRegistration, EachCreationIsANewInstance) {
    auto first = registry_.Create<IVeskAudioFile>(kVeskAudioFileName);
    auto second = registry_.Create<IVeskAudioFile>(kVeskAudioFileName);
    EXPECT_FALSE(first == second);
}

TEST_F(ComponentRegistration, ForeignInterfacesAreRefused) {
    void* object = nullptr;
    EXPECT_EQ(registry_.CreateInstance(kVeskAudioFileName, IVeskAudioPlayer::kIid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(registry_.Create<IConnectionPointContainer>(kVeskAudioInformationName));
}

TEST_F(ComponentRegistration, OnDemandComponentsAreCreatedFreshEachTime) {
    ComPtr<IWmaCodec> first = registry_.Create<IWmaCodec>(kWmaCodecName);
    ComPtr<IWmaCodec> second = registry_.Create<IWmaCodec>(kWmaCodecName);
    ASSERT_TRUE(first && second);
    EXPECT_NE(static_cast<void*>(first.get()), static_cast<void*>(second.get()));
    EXPECT_TRUE(registry_.Create<ICdReader>(kCdReaderName));
}

}  // namespace
}  // namespace vesk
