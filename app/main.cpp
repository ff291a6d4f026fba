#include "app/application.h"
#include "app/form1.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    Form1 form;
    form.Load();
    form.show();
    return app.exec();
}
