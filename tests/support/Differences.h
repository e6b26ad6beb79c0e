#pragma once
// The keys whose values differ between two maps of text, one line each with both values
// (long ones shortened): "" when the maps agree, for EXPECT_EQ(Differences(a, b), "").

#include <map>
#include <set>
#include <string>

inline std::string Differences(const std::map<std::string, std::string>& Actual,
                               const std::map<std::string, std::string>& Expected) {
  std::set<std::string> keys;
  for (const auto& entry : Actual) keys.insert(entry.first);
  for (const auto& entry : Expected) keys.insert(entry.first);
  auto value = [](const std::map<std::string, std::string>& map, const std::string& key) {
    const auto found = map.find(key);
    return found == map.end() ? std::string("(none)") : "\"" + found->second + "\"";
  };
  std::string report;
  for (const std::string& key : keys) {
    const std::string actual = value(Actual, key), expected = value(Expected, key);
    if (actual != expected)
      report += key + ": " + actual.substr(0, 80) + ", want " + expected.substr(0, 80) + "\n";
  }
  return report;
}
