// The program's WebAssembly comes deflated in the page, a third of its size
// (packaging/web/page_pack.py): the browser's own DecompressionStream
// inflates it, then it is compiled as Emscripten would compile it.
Module.instantiateWasm = function (imports, receive) {
  var text = atob(Quorvel.deflatedWasm), packed = new Uint8Array(text.length);
  for (var i = 0; i < text.length; ++i)
    packed[i] = text.charCodeAt(i);
  var stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
  new Response(stream).arrayBuffer().then(function (bytes) {
    return WebAssembly.instantiate(bytes, imports);
  }).then(function (result) {
    receive(result.instance);
  });
  return {};
};
