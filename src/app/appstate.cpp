#include "app/appstate.h"

AppState &App()
{
    static AppState state;
    return state;
}

StartupOverrides &Overrides()
{
    static StartupOverrides o;
    return o;
}
