#include "platform/base/ConstIteratorInternalList.h"
#include "platform/base/ConstIteratorInternalMap.h"
#include "platform/base/IteratorInternalMap.h"
#include "platform/base/funCompObjs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
// Owners keep their containers private and give them only to the iterators.
class MapOwner
{
public:
    class CIterator : public IteratorInternalMap<MapOwner, int, std::string>
    {
    public:
        using IteratorInternalMap::IteratorInternalMap;

    private:
        friend class MapOwner;
        CIterator(MapOwner* owner, Container::iterator position) : IteratorInternalMap(owner, position) {}
    };
    using CConstIterator = ConstIteratorInternalMap<MapOwner, int, std::string>;

    explicit MapOwner(const std::vector<int>& keys)
    {
        for (int key : keys)
            m_map[key] = std::to_string(key);
    }
    CIterator Find(int key) { return CIterator(this, m_map.find(key)); }

private:
    friend class IteratorInternalMap<MapOwner, int, std::string>;
    friend class ConstIteratorInternalMap<MapOwner, int, std::string>;
    std::map<int, std::string>& InternalContainer() { return m_map; }
    const std::map<int, std::string>& InternalContainer() const { return m_map; }

    std::map<int, std::string> m_map;
};

class ListOwner
{
public:
    using CConstIterator = ConstIteratorInternalList<ListOwner, int>;

    explicit ListOwner(const std::vector<int>& items) : m_list(items.begin(), items.end()) {}

private:
    friend class ConstIteratorInternalList<ListOwner, int>;
    const std::list<int>& InternalContainer() const { return m_list; }

    std::list<int> m_list;
};

struct MapCase
{
    using Owner = MapOwner;
    using Iterator = MapOwner::CIterator;
    static int At(const Iterator& it) { return std::stoi(it.Value()); }
    static std::vector<int> WalkOrder() { return {1, 2, 3}; }
};
struct ConstMapCase
{
    using Owner = MapOwner;
    using Iterator = MapOwner::CConstIterator;
    static int At(const Iterator& it) { return it.Key(); }
    static std::vector<int> WalkOrder() { return {1, 2, 3}; }
};
struct ConstListCase
{
    using Owner = ListOwner;
    using Iterator = ListOwner::CConstIterator;
    static int At(const Iterator& it) { return it.Value(); }
    static std::vector<int> WalkOrder() { return {3, 1, 2}; }
};

template <class Case>
class IteratorInternalTest : public ::testing::Test
{
};
using Cases = ::testing::Types<MapCase, ConstMapCase, ConstListCase>;
TYPED_TEST_SUITE(IteratorInternalTest, Cases);
}

TYPED_TEST(IteratorInternalTest, NewIteratorStandsAtTheEndUntilFirst)
{
    typename TypeParam::Owner owner({3, 1, 2});
    typename TypeParam::Iterator it(owner);
    EXPECT_TRUE(it.IsEnd());
    it.First();
    EXPECT_TRUE(it.IsNotEnd());

    typename TypeParam::Owner empty({});
    typename TypeParam::Iterator none(empty);
    none.First();
    EXPECT_TRUE(none.IsEnd());
    EXPECT_FALSE(none.IsNotEnd());
}

TYPED_TEST(IteratorInternalTest, WalkFollowsTheContainerOrderAndCopiesMoveOnTheirOwn)
{
    typename TypeParam::Owner owner({3, 1, 2});
    typename TypeParam::Iterator it(owner);
    std::vector<int> walked;
    for (it.First(); it.IsNotEnd(); it.Next())
        walked.push_back(TypeParam::At(it));
    EXPECT_EQ(walked, TypeParam::WalkOrder());

    it.First();
    typename TypeParam::Iterator copy(it);
    copy.Next();
    EXPECT_EQ(TypeParam::At(it), TypeParam::WalkOrder()[0]);
    EXPECT_EQ(TypeParam::At(copy), TypeParam::WalkOrder()[1]);

    auto& self = copy;
    copy = self;
    EXPECT_EQ(TypeParam::At(copy), TypeParam::WalkOrder()[1]);
    it = copy;
    it.Next();
    EXPECT_EQ(TypeParam::At(it), TypeParam::WalkOrder()[2]);
    EXPECT_EQ(TypeParam::At(copy), TypeParam::WalkOrder()[1]);
}

TEST(IteratorInternalMapTest, OwnerHandsOutAWritableIteratorAtAFoundElement)
{
    MapOwner owner({5, 7, 9});
    MapOwner::CIterator found = owner.Find(7);
    ASSERT_TRUE(found.IsNotEnd());
    found.Value() = "seven";
    found.Next();
    EXPECT_EQ(found.Key(), 9);
    EXPECT_TRUE(owner.Find(8).IsEnd());

    MapOwner::CConstIterator reader(owner);
    reader.First();
    reader.Next();
    EXPECT_EQ(reader.Value(), "seven");
}

TEST(funCompObjsTest, OrdersSharedPointersByTheirObjects)
{
    std::set<std::shared_ptr<int>, funCompObjs<int>> set;
    set.insert(std::make_shared<int>(3));
    set.insert(std::make_shared<int>(1));
    set.insert(std::make_shared<int>(3));
    set.insert(nullptr);
    ASSERT_EQ(set.size(), 3u);
    auto it = set.begin();
    EXPECT_EQ(*it++, nullptr);
    EXPECT_EQ(**it++, 1);
    EXPECT_EQ(**it, 3);
}
