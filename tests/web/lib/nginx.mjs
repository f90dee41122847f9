// Debian's nginx on 127.0.0.1, serving one folder with its default MIME types, from its own
// configuration in a temporary directory: no root's paths, one process, stopped and started again
// on the same port (a school server that goes away and comes back).
import { spawn } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync, existsSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { freierPort } from './webkit.mjs';

export const NGINX = process.env.NGINX || '/usr/sbin/nginx';
export const nginxFehlt = () => (existsSync(NGINX) ? null : `${NGINX} is missing (package nginx)`);

export async function starteNginx(wurzel) {
  const ort = mkdtempSync(join(tmpdir(), 'tarnbild-nginx-'));
  const port = await freierPort();
  const temp = ['client_body', 'proxy', 'fastcgi', 'uwsgi', 'scgi']
    .map((t) => `${t}_temp_path ${ort}/${t};`).join(' ');
  writeFileSync(join(ort, 'nginx.conf'), `daemon off; master_process off; pid ${ort}/nginx.pid;
error_log ${ort}/error.log;
events {}
http {
  include /etc/nginx/mime.types; default_type application/octet-stream;
  access_log off; ${temp}
  server { listen 127.0.0.1:${port}; root ${wurzel}; }
}
`);
  let prozess = null;
  const server = {
    url: `http://127.0.0.1:${port}/`,
    async starte() {
      if (prozess?.exitCode === null) return;
      prozess = spawn(NGINX, ['-p', ort, '-c', join(ort, 'nginx.conf'), '-e', join(ort, 'error.log')],
        { stdio: 'ignore' });
      const ende = Date.now() + 10000;
      for (;;) {
        try { if ((await fetch(server.url, { method: 'HEAD' })).status) return; } catch { /* not yet */ }
        if (prozess.exitCode !== null || Date.now() > ende) {
          throw new Error(`nginx did not start: ${readFileSync(join(ort, 'error.log'), 'utf8')}`);
        }
        await new Promise((r) => setTimeout(r, 50));
      }
    },
    async stoppe() {
      if (prozess?.exitCode !== null) return;
      const beendet = new Promise((r) => prozess.once('exit', r));
      prozess.kill('SIGTERM');
      await beendet;
    },
    async schliesse() {
      await server.stoppe();
      rmSync(ort, { recursive: true, force: true });
    },
  };
  await server.starte();
  return server;
}
