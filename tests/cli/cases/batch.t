# One JSON line per asset; a bad line says so and the run ends with exit 2
$ --today 2024-06-15 --batch @CASES@/assets.batch
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","2,000.00 ","8,000.00 "],["2005","3,200.00 ","4,800.00 "],["2006","1,920.00 ","2,880.00 "],["2007","1,152.00 ","1,728.00 "],["2008","1,152.00 ","576.00 "],["2009","576.00 ",".00 "]],"messages":[]}
{"status":{"text":"","color":"#0000ff"},"rows":[["2010","166.67 ","833.33 "],["2011","333.33 ","500.00 "],["2012","333.33 ","166.67 "],["2013","166.67 ",".00 "]],"messages":[]}
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","714.50 ","4,285.50 "],["2005","612.25 ","3,673.25 "]],"messages":[]}
{"status":{"text":"Vehicle limits are not available: no limit files are set up.","color":"#ff0000"},"rows":[],"messages":[]}
{"error":"line 6: Option ‘bogus’ does not exist"}
{"status":{"text":"In service date is invalid! ","color":"#ff0000"},"rows":[],"messages":[]}
stderr: orvane-cli: 1 batch line(s) had errors
exit: 2
