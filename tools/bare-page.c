// The bare page that tools/measure-web.py weighs the game's page against: a program built with the
// same emcc that puts one button on the page and ends.
#include <emscripten.h>

int main(void) {
  EM_ASM({
    var button = document.createElement('button');
    button.textContent = 'OK';
    document.body.appendChild(button);
  });
  return 0;
}
