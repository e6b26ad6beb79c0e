#pragma once
// An index of names that match without regard to ASCII case, each naming a position in a
// list the caller keeps: one sorted array, so that building it takes one allocation and
// a lookup none. A small bit filter turns most names that are not indexed away before
// they are hashed: readers ask for many keys a text leaves out.
//
// The array is ordered by hash, then by a second hash, then by folded name, then by
// position. The hash is quick and the same in every run, so a text may be made of names
// that all share it; names that do are ordered by the second hash, keyed anew in each
// process so that no text can aim at it, and are compared only where both hashes are
// equal (equal names, or by chance). Names sharing the first hash are then found by
// halving on a number, whatever their length. Building keeps each name once, so that a
// text of one name many times over costs a reading of each; which of equal names comes
// first never depends on the key.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

class TFoldedNameIndex {
public:
  static size_t Hash(std::string_view Name);
  // The second hash: keyed by a number drawn once per process.
  static uint32_t Tiebreak(std::string_view Name);
  static bool Equal(std::string_view A, std::string_view B);
  // Below 0, 0 or above 0 as A comes before, with or after B, folded byte by byte (a
  // shorter name before the longer one it begins).
  static int Compare(std::string_view A, std::string_view B);

  void Clear() {
    FEntries.clear();
    FMarks.fill(0);
  }
  // Indexes positions 0..Count-1 by the name NameAt(position) gives, passing over those
  // for which it gives none. A name met again (in any case) is left out: its first
  // position is the one found.
  template <class TNameAt>
  void Build(size_t Count, TNameAt NameAt) {
    FEntries.clear();
    FEntries.reserve(Count);
    for (size_t position = 0; position < Count; ++position)
      if (const std::optional<std::string_view> name = NameAt(position)) {
        FEntries.push_back({Hash(*name), 0, position});
        SetMarks(*name);
      }
    // Hashes and positions first, which compares no name; then, only among entries of
    // one hash, second hashes and names.
    std::sort(FEntries.begin(), FEntries.end(), [](const TEntry& A, const TEntry& B) {
      return A.NameHash != B.NameHash ? A.NameHash < B.NameHash : A.Position < B.Position;
    });
    auto kept = FEntries.begin();
    for (auto run = FEntries.begin(); run != FEntries.end();) {
      const auto end = std::find_if(run, FEntries.end(), [&](const TEntry& E) { return E.NameHash != run->NameHash; });
      kept = end - run == 1 ? std::copy(run, end, kept) : OrderByName(run, end, kept, NameAt);
      run = end;
    }
    FEntries.erase(kept, FEntries.end());
  }
  // Indexes Position by Name; here NameAt gives the names of the positions indexed before.
  template <class TNameAt>
  void Add(std::string_view Name, size_t Position, TNameAt NameAt) {
    SetMarks(Name);
    TEntry entry{Hash(Name), 0, Position};
    auto [first, last] = std::equal_range(FEntries.begin(), FEntries.end(), entry, ByHash);
    if (first != last) {  // joins the names of its hash, ordered by the second hash
      if (last - first == 1) first->Tiebreak = Tiebreak(NameAt(first->Position));
      entry.Tiebreak = Tiebreak(Name);
      first = std::upper_bound(first, last, entry, [&](const TEntry& A, const TEntry& B) {
        return A.Tiebreak != B.Tiebreak ? A.Tiebreak < B.Tiebreak : Before(A, Name, B, NameAt(B.Position));
      });
    }
    FEntries.insert(first, entry);
  }
  // The lowest position whose name matches, so that the first occurrence wins; here
  // NameAt(position) gives the name of an indexed position.
  template <class TNameAt>
  std::optional<size_t> Find(std::string_view Name, TNameAt NameAt) const {
    if (!MayHold(Name)) return std::nullopt;
    const TEntry sought{Hash(Name), 0, 0};
    auto first = std::lower_bound(FEntries.begin(), FEntries.end(), sought, ByHash);
    if (first == FEntries.end() || first->NameHash != sought.NameHash) return std::nullopt;
    if (const auto next = first + 1; next != FEntries.end() && next->NameHash == sought.NameHash) {
      const auto last = std::upper_bound(next, FEntries.end(), sought, ByHash);
      const uint32_t tiebreak = Tiebreak(Name);
      first = std::lower_bound(first, last, tiebreak, [&](const TEntry& E, uint32_t) {
        return E.Tiebreak != tiebreak ? E.Tiebreak < tiebreak : Compare(NameAt(E.Position), Name) < 0;
      });
      if (first == last || first->Tiebreak != tiebreak) return std::nullopt;
    }
    if (Equal(NameAt(first->Position), Name)) return first->Position;
    return std::nullopt;
  }
  // Every position from Position on moves one up (a line was inserted there).
  void ShiftFrom(size_t Position);

private:
  // Two bits of 256 per name, from its length and its first, middle and last letters.
  // Setting the case bit of those bytes folds more than letters, which lets a few more
  // names through to the lookup and turns none away.
  static uint32_t Mark(std::string_view Name) {
    const size_t n = Name.size();
    uint32_t mark = static_cast<uint32_t>(n) * 0x9E3779B1u;
    if (n > 0) {
      const auto byte = [&](size_t at) { return static_cast<uint32_t>(static_cast<unsigned char>(Name[at]) | 0x20u); };
      mark ^= (byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16) * 0x85EBCA6Bu;
    }
    return mark ^ (mark << 9);
  }
  void SetMarks(std::string_view Name) {
    const uint32_t mark = Mark(Name);
    for (const uint32_t bit : {mark >> 24, (mark >> 16) & 0xFFu}) FMarks[bit / 64] |= uint64_t{1} << (bit % 64);
  }
  bool MayHold(std::string_view Name) const {
    const uint32_t mark = Mark(Name);
    const uint32_t first = mark >> 24, second = (mark >> 16) & 0xFFu;
    return (FMarks[first / 64] >> (first % 64) & FMarks[second / 64] >> (second % 64) & 1u) != 0;
  }

  struct TEntry {
    size_t NameHash;
    uint32_t Tiebreak;  // set where another entry shares NameHash
    size_t Position;
  };
  static bool ByHash(const TEntry& A, const TEntry& B) { return A.NameHash < B.NameHash; }
  // The order of entries of equal hashes (the callers compare those first, so that names
  // are read only where both hashes are equal).
  static bool Before(const TEntry& A, std::string_view NameA, const TEntry& B, std::string_view NameB) {
    const int order = Compare(NameA, NameB);
    return order != 0 ? order < 0 : A.Position < B.Position;
  }
  // Writes the entries [First, Last) of one hash, in rising position, from Out on (Out
  // not after First) in the order of their second hashes, then of their names, each name
  // once at its first position. Names are compared only within a second hash, where they
  // are equal but for chance, and an entry is compared with at most one equal to it:
  // names sharing the first hash, however long and many, cost a reading or two each, not
  // one per step of a sort.
  template <class TNameAt>
  static std::vector<TEntry>::iterator OrderByName(std::vector<TEntry>::iterator First,
                                                   std::vector<TEntry>::iterator Last,
                                                   std::vector<TEntry>::iterator Out, TNameAt& NameAt) {
    for (auto entry = First; entry != Last; ++entry) entry->Tiebreak = Tiebreak(*NameAt(entry->Position));
    std::stable_sort(First, Last, [](const TEntry& A, const TEntry& B) { return A.Tiebreak < B.Tiebreak; });
    const auto byName = [&](const TEntry& A, const TEntry& B) {
      return Compare(*NameAt(A.Position), *NameAt(B.Position)) < 0;
    };
    for (auto group = First; group != Last;) {
      const auto end = std::find_if(group, Last, [&](const TEntry& E) { return E.Tiebreak != group->Tiebreak; });
      if (end - group == 1) {
        *Out++ = *group;
      } else {
        std::set<TEntry, decltype(byName)> names(byName);
        for (auto entry = group; entry != end; ++entry) names.insert(*entry);  // a name met again stays out
        Out = std::copy(names.begin(), names.end(), Out);
      }
      group = end;
    }
    return Out;
  }
  std::vector<TEntry> FEntries;
  std::array<uint64_t, 4> FMarks{};
};
