// Makes the page an app that plays offline: its service worker (sw.js) keeps this build's
// files. When a new build has been installed beside the old one, it takes over at once if
// the program has not started yet and the page loads again from the new build; otherwise
// it waits for the next visit, so a running program is never mixed with new files.
'use strict';
if ('serviceWorker' in navigator) {
  const notStarted = () => ['loading', 'ready', undefined].includes(document.body.dataset.state);
  const hadController = Boolean(navigator.serviceWorker.controller);
  const takeOver = worker => {
    if (worker && navigator.serviceWorker.controller && notStarted()) worker.postMessage('take-over');
  };
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (hadController && notStarted()) location.reload();
  });
  navigator.serviceWorker.register('sw.js').then(registration => {
    takeOver(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker.addEventListener('statechange', () => {
        if (worker.state === 'installed') takeOver(worker);
      });
    });
  }).catch(() => {});  // no offline copy (a plain http page off localhost): plays online
}
