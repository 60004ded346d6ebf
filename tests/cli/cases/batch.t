# One JSON line per asset; a bad line says so and the run ends with exit 2
$ --today 2024-06-15 --batch @CASES@/assets.batch
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","2,000.00 ","8,000.00 "],["2005","3,200.00 ","4,800.00 "],["2006","1,920.00 ","2,880.00 "],["2007","1,152.00 ","1,728.00 "],["2008","1,152.00 ","576.00 "],["2009","576.00 ",".00 "]],"messages":[]}
{"status":{"text":"","color":"#0000ff"},"rows":[["2010","166.67 ","833.33 "],["2011","333.33 ","500.00 "],["2012","333.33 ","166.67 "],["2013","166.67 ",".00 "]],"messages":[]}
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","714.50 ","4,285.50 "],["2005","612.25 ","3,673.25 "]],"messages":[]}
{"status":{"text":"Method: MACRS-200% DB Luxury Auto","color":"#0000ff"},"rows":[["2004","2,960.00 ","27,040.00 "],["2005","4,800.00 ","22,240.00 "],["2006","2,850.00 ","19,390.00 "],["2007","1,675.00 ","17,715.00 "],["2008","1,675.00 ","16,040.00 "],["2009","1,675.00 ","14,365.00 "],["2010","1,675.00 ","12,690.00 "],["2011","1,675.00 ","11,015.00 "],["2012","1,675.00 ","9,340.00 "],["2013","1,675.00 ","7,665.00 "],["2014","1,675.00 ","5,990.00 "],["2015","1,675.00 ","4,315.00 "],["2016","1,675.00 ","2,640.00 "],["2017","1,675.00 ","965.00 "],["2018","965.00 ",".00 "]],"messages":[]}
{"error":"line 6: unknown option '--bogus'"}
{"status":{"text":"In service date is invalid! ","color":"#ff0000"},"rows":[],"messages":[]}
stderr: orvane-cli: 1 batch line(s) had errors
exit: 2
# The same lines on three threads: the same bytes, in the same order
$ --today 2024-06-15 --jobs 3 --batch @CASES@/assets.batch
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","2,000.00 ","8,000.00 "],["2005","3,200.00 ","4,800.00 "],["2006","1,920.00 ","2,880.00 "],["2007","1,152.00 ","1,728.00 "],["2008","1,152.00 ","576.00 "],["2009","576.00 ",".00 "]],"messages":[]}
{"status":{"text":"","color":"#0000ff"},"rows":[["2010","166.67 ","833.33 "],["2011","333.33 ","500.00 "],["2012","333.33 ","166.67 "],["2013","166.67 ",".00 "]],"messages":[]}
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","714.50 ","4,285.50 "],["2005","612.25 ","3,673.25 "]],"messages":[]}
{"status":{"text":"Method: MACRS-200% DB Luxury Auto","color":"#0000ff"},"rows":[["2004","2,960.00 ","27,040.00 "],["2005","4,800.00 ","22,240.00 "],["2006","2,850.00 ","19,390.00 "],["2007","1,675.00 ","17,715.00 "],["2008","1,675.00 ","16,040.00 "],["2009","1,675.00 ","14,365.00 "],["2010","1,675.00 ","12,690.00 "],["2011","1,675.00 ","11,015.00 "],["2012","1,675.00 ","9,340.00 "],["2013","1,675.00 ","7,665.00 "],["2014","1,675.00 ","5,990.00 "],["2015","1,675.00 ","4,315.00 "],["2016","1,675.00 ","2,640.00 "],["2017","1,675.00 ","965.00 "],["2018","965.00 ",".00 "]],"messages":[]}
{"error":"line 6: unknown option '--bogus'"}
{"status":{"text":"In service date is invalid! ","color":"#ff0000"},"rows":[],"messages":[]}
stderr: orvane-cli: 1 batch line(s) had errors
exit: 2
# A number of threads from 1 to 64
$ --jobs 0 --batch @CASES@/assets.batch
stderr: orvane-cli: option '--jobs' takes a number of threads from 1 to 64, not '0'
exit: 2
# A byte that is no UTF-8 is written as U+FFFD; the other lines are computed as always
$ --today 2024-06-15 --batch @CASES@/not_utf8.batch
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","2,000.00 ","8,000.00 "],["2005","3,200.00 ","4,800.00 "],["2006","1,920.00 ","2,880.00 "],["2007","1,152.00 ","1,728.00 "],["2008","1,152.00 ","576.00 "],["2009","576.00 ",".00 "]],"messages":[]}
{"error":"line 2: unexpected argument '�'"}
{"status":{"text":"Method Missing! ","color":"#ff0000"},"rows":[],"messages":[{"title":"orvane-cli","text":"ignored: --method caf� �( (not in the list of cboMethod)"},{"title":"orvane-cli","text":"ignored: --life 5 (not in the list of cboLife)"}]}
stderr: orvane-cli: 1 batch line(s) had errors
exit: 2
# A folder is no batch file
$ --batch /
stderr: orvane-cli: cannot read batch file '/': it is a folder
exit: 2
# The batch command is the window's --batch: the lines of the first case, its own name in the message
$ batch --today 2024-06-15 --file @CASES@/assets.batch
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","2,000.00 ","8,000.00 "],["2005","3,200.00 ","4,800.00 "],["2006","1,920.00 ","2,880.00 "],["2007","1,152.00 ","1,728.00 "],["2008","1,152.00 ","576.00 "],["2009","576.00 ",".00 "]],"messages":[]}
{"status":{"text":"","color":"#0000ff"},"rows":[["2010","166.67 ","833.33 "],["2011","333.33 ","500.00 "],["2012","333.33 ","166.67 "],["2013","166.67 ",".00 "]],"messages":[]}
{"status":{"text":"Method: MACRS 200% DB","color":"#0000ff"},"rows":[["2004","714.50 ","4,285.50 "],["2005","612.25 ","3,673.25 "]],"messages":[]}
{"status":{"text":"Method: MACRS-200% DB Luxury Auto","color":"#0000ff"},"rows":[["2004","2,960.00 ","27,040.00 "],["2005","4,800.00 ","22,240.00 "],["2006","2,850.00 ","19,390.00 "],["2007","1,675.00 ","17,715.00 "],["2008","1,675.00 ","16,040.00 "],["2009","1,675.00 ","14,365.00 "],["2010","1,675.00 ","12,690.00 "],["2011","1,675.00 ","11,015.00 "],["2012","1,675.00 ","9,340.00 "],["2013","1,675.00 ","7,665.00 "],["2014","1,675.00 ","5,990.00 "],["2015","1,675.00 ","4,315.00 "],["2016","1,675.00 ","2,640.00 "],["2017","1,675.00 ","965.00 "],["2018","965.00 ",".00 "]],"messages":[]}
{"error":"line 6: unknown option '--bogus'"}
{"status":{"text":"In service date is invalid! ","color":"#ff0000"},"rows":[],"messages":[]}
stderr: orvane-cli batch: 1 batch line(s) had errors
exit: 2
