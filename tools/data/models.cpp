// The four models of the game: the house with everything fixed in it, the hammer on the cabinet
// upstairs, the bookcase that slides aside, and the bread on the kitchen counter.
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
}
