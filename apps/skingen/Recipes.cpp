#include "Recipes.h"

namespace skingen {

RecipeBook AllRecipes() {
  RecipeBook book;
  AddButtonRecipes(book);
  AddCheckRecipes(book);
  AddBarRecipes(book);
  AddTabRecipes(book);
  AddWindowRecipes(book);
  AddMenuRecipes(book);
  AddIconRecipes(book);
  return book;
}

}  // namespace skingen
