// How AppState reads and writes its settings.
#include "model/AppState.h"

#include "model/BoundedJson.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

namespace vesperon {

namespace {

// Never throws: names read from the store are valid UTF-8 already, and anything else is replaced.
std::string compactText(const nlohmann::json& json)
{
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

bool AppState::loadBool(const char* key, bool fallback) const
{
    const auto value = store_.object(key);
    return value && value->is_boolean() ? value->get<bool>() : fallback;
}

double AppState::loadNumber(const char* key, double fallback) const
{
    const auto value = store_.object(key);
    // A number too large for a double reads as infinity; that is no value anyone set.
    return value && value->is_number() && std::isfinite(value->get<double>()) ? value->get<double>() : fallback;
}

double AppState::effectiveBlackoutOpacity() const
{
    const double stored = blackoutOpacity.get();
    return std::isfinite(stored) ? std::clamp(stored, 0.5, 1.0) : 1.0;
}

int AppState::loadIdleBlackoutMinutes() const
{
    // Kept as stored where it fits, so that a value out of range is clamped only when used.
    return static_cast<int>(std::clamp(std::round(loadNumber(SettingsKey::idleBlackoutMinutes, 0)), -1e6, 1e6));
}

int AppState::effectiveIdleBlackoutMinutes() const
{
    const int stored = idleBlackoutMinutes.get();
    return stored <= 0 ? 0 : std::min(stored, 120);
}

const char* idleScopeName(IdleScope scope)
{
    switch (scope) {
    case IdleScope::allButPointer:
        return "allButPointer";
    case IdleScope::eachDisplay:
        return "eachDisplay";
    case IdleScope::all:
        break;
    }
    return "all";
}

std::optional<IdleScope> idleScopeFromName(const std::string& name)
{
    for (const IdleScope scope : {IdleScope::all, IdleScope::allButPointer, IdleScope::eachDisplay})
        if (name == idleScopeName(scope))
            return scope;
    return std::nullopt;
}

IdleScope AppState::loadIdleBlackoutScope() const
{
    const auto value = store_.object(SettingsKey::idleBlackoutScope);
    return value && value->is_string() ? idleScopeFromName(value->get<std::string>()).value_or(IdleScope::all)
                                       : IdleScope::all;
}

WakeKeySet AppState::loadAllowedWakeKeys() const
{
    const auto array = store_.array(SettingsKey::allowedWakeKeys);
    if (!array || !std::ranges::all_of(*array, [](const nlohmann::json& e) { return e.is_string(); }))
        return {WakeKey::anyKey};
    WakeKeySet keys;
    for (const nlohmann::json& element : *array) {
        if (auto key = wakeKeyFromRawValue(element.get_ref<const std::string&>()))
            keys.insert(*key);
    }
    return keys; // possibly empty: the user allowed no key
}

void AppState::saveAllowedWakeKeys(const WakeKeySet& keys)
{
    std::vector<std::string> raw;
    for (WakeKey key : keys)
        raw.emplace_back(rawValue(key));
    store_.setStringArray(SettingsKey::allowedWakeKeys, raw);
}

std::optional<KeyCombo> AppState::loadHotkey(const std::string& key) const
{
    const auto data = store_.data(key);
    if (!data)
        return std::nullopt;
    const auto json = parseBoundedJson(*data);
    return json ? KeyCombo::fromJson(*json) : std::nullopt;
}

void AppState::saveHotkey(const std::optional<KeyCombo>& combo, const std::string& key)
{
    if (combo)
        store_.setData(key, compactText(combo->toJson()));
    else
        store_.removeObject(key);
}

AppState::HotkeyMap AppState::loadHotkeyDict(const std::string& key) const
{
    const auto data = store_.data(key);
    if (!data)
        return {};
    const auto json = parseBoundedJson(*data);
    if (!json || !json->is_object())
        return {};
    // An unreadable entry costs only itself, not the display hotkeys stored beside it.
    HotkeyMap map;
    for (const auto& [name, value] : json->items()) {
        if (auto combo = KeyCombo::fromJson(value))
            map.emplace(name, *combo);
    }
    return map;
}

void AppState::saveHotkeyDict(const HotkeyMap& map, const std::string& key)
{
    nlohmann::json json = nlohmann::json::object();
    for (const auto& [name, combo] : map)
        json[name] = combo.toJson();
    store_.setData(key, compactText(json));
}

} // namespace vesperon
