// A modal message box in the page: focus on its button, Return and Escape
// close it, and focus goes back to the control that had it. Its button lies
// in an application region, as the window's controls do, so that a screen
// reader stays in the mode that hands keys to the page; and since it then
// reads only what has focus, the button is described by the title and text,
// which it reads once.
Quorvel.showMessage = function (title, message, close, className) {
  var before = document.activeElement;
  Quorvel.quiet();
  var box = document.createElement('dialog');
  box.className = 'q-message' + (className ? ' ' + className : '');
  box.dir = Quorvel.dir || 'ltr';
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  var heading = document.createElement('h2'), text = document.createElement('p');
  var ok = document.createElement('button');
  heading.id = 'q-message-title';
  text.id = 'q-message-text';
  heading.textContent = title;
  text.textContent = message;
  ok.textContent = close;
  box.setAttribute('aria-labelledby', heading.id);
  ok.setAttribute('aria-describedby', heading.id + ' ' + text.id);
  var keys = document.createElement('div');
  keys.setAttribute('role', 'application');
  keys.className = 'q-buttons';
  keys.appendChild(ok);
  box.appendChild(heading);
  box.appendChild(text);
  box.appendChild(keys);
  Quorvel.root.appendChild(box);
  var closeBox = function () {
    if (box.open)
      box.close();
    box.remove();
    if (before && before.focus)
      before.focus();
  };
  ok.addEventListener('click', closeBox);
  box.addEventListener('cancel', function (event) {
    event.preventDefault();
    closeBox();
  });
  box.addEventListener('keydown', function (event) {
    if (event.key === 'Enter' || event.key === 'Escape') {
      event.preventDefault();
      closeBox();
    }
  });
  box.showModal();
  ok.focus();
};
