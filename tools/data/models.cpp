// The models of the game: the house with everything fixed in it, the hammer on the cabinet
// upstairs, the bookcase that slides aside, the bread on the kitchen counter, and the two notes
// and two keys that the game stops drawing once they are in the inventory.
#include "generators.h"
#include "house_parts.h"

void WriteModels(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder = dataFolder / "Model";

    Model house("house_main");
    house::BuildShell(house);
    house::BuildFixtures(house);
    house::BuildFurniture(house);
    house.Write(folder);

    Model hammer("house_hammer");
    house::BuildHammer(hammer);
    hammer.Write(folder);

    Model bookcase("bookcase1");
    house::BuildBookcase(bookcase);
    bookcase.Write(folder);

    Model bread("bread1");
    house::BuildBread(bread);
    bread.Write(folder);

    struct Item {
        const char* name;
        void (*build)(Model&);
    };
    const Item items[] = {{"house_note1", house::BuildNoteOnTable},
                          {"house_key1", house::BuildKeyOnCrate},
                          {"house_key2", house::BuildKeyInWardrobe},
                          {"house_note3", house::BuildNoteOnNightstand}};
    for (const Item& item : items) {
        Model model(item.name);
        item.build(model);
        model.Write(folder);
    }
}
